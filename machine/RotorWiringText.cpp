// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/RotorWiringText.h"

#include "machine/Checked.h"

namespace velista {

namespace {
// Text r (0 to 9) wires rotor r's entry row, text r + 10 its exit row; each holds all 135 symbols once.
constexpr std::u16string_view Literals[RotorWiringText::TextCount] = {
    // 0: rotor 0, entry row
    u"sfcж[UпiиРЩБЧYBЦ4хИТГqhPIч)kmОюЫ,aeъКбщzMЗШьZKаvЙrTy0ВЮйы-LМwdJвЬрXФ738SХubOЖшЛПFgQм2гуН(6знoNj9EWЯлтGxяHЕцСVеpф5]nАо:lкс.ЪДдУtAэ1C ЭRD",
    // 1: rotor 1, entry row
    u"-:ьТ SouН4ПйЦ(AмДpяbhiлМыЛ2шZ]C8eвNюTРЧкQyу)OYgIШ.6щDВ[XаKVпЭЫtJFс3ЗэBЕWгЬХЙwGrбxфzхрMъГ7С1ЩиP,L9ЪЖУHUзlБmАЮОjnvaцдd0fRqsEКеИжФчн5ckоЯт",
    // 2: rotor 2, entry row
    u"yВPЕнНыиVАпUdйWФDЪs(BкПРТAЙмьKgЩJГщж2хоазШOОEц1HсЮЭЦQMД9x5[лМ.И wZLХiг,4rhУЫf)pдЯq:XтSэTф-u3ЬRшъz70БFYIв]Чa6юСoеjЛtvcЖ8ЗбКkрчCnяlуeGbmN",
    // 3: rotor 3, entry row
    u"UqG6b5]аiъйuмОAMА[arн2CЦmЬXsKSl1фИЛФhRIчРDoБЩ.УГH(Х7Йк)КЧеvю0Шz3ЯыpJ,tтСL:цЖYжМлNxв8nияэщоw ZДeVgсрEуQбЫЮзПшНдOьkTBЪWпТfгFjВ-dЕЗPх94cyЭ",
    // 4: rotor 4, entry row
    u"ч2TtJсЯлv(rmцяNхXЛЬгьПИЫУЦ.К5:юza4kEHngЩKyЕШIqТН0Д-pоъLмoGйRыФХ]DZаАЙзкfVрB ЧщQшГuну[3МMjbiиdптЗэЮWд8PAw9жРОeС1xфUе6c),ЭБYВsвhOЖбCSЪ7Fl",
    // 5: rotor 5, entry row
    u")ыtoZДцвЕ5PГЦшВечIщзЩuокьmid7CgHcбЯFhсхkт[-spъХЖ:уMNФПфzGx]4KШяvVA0jWАYЮ.РИК1юлЗlмйиэB,LНЛUЫСEОжагУfD8QrЬTeJ6ЧS92qп ЙO3БXRyabЪwnрнЭ(дМТ",
    // 6: rotor 6, entry row
    u"HNдmP43MяI1G2шnрекzЗUМВФлЮ-ЩKtQ)щjgЕvxУИДuYъЛЖвА(Нd8сБфXаЦ,ныAО6ЙСР[pbоТW]ГSуиkqЬЪбЯBчhoilхyйШтзЫwгOэVrюEC TХцaR0LпD7ПЭZьsм9ЧeJж.F:5fcК",
    // 7: rotor 7, entry row
    u"2тOМWVгмfеaсyoЩцDэжПC3дщшxrа:,ЭEАпчК8HюУnЙRN4ФhUО5зMi6 ]лЧulXШqЪT[ZрPфQ.SFGыIЦя(eЫТsv1ьВbбYt79НЛйЯKjAwpиЗgоДР)z-JХcЖBБунmкЬdСLъГЮхв0ЕИk",
    // 8: rotor 8, entry row
    u"adТуфтlL32oXбаq:(BсД]ЫЧн7C,ЪЖФiЮf5дюKшчщJQhЙH)кO1UлцНcrЬb wЕХTУ-4SмЛьWmйpОA9эъuМzзMRпАГVжБ8еtВEsxDgрjZЭЗFгnоIGыхYeЩyвЯК[П.PРияСШvИ6NЦk0",
    // 9: rotor 9, entry row
    u"gfчVСAXКФTъиeRЧpЙаtNыLцQ екGWРлcп[9ХEmЬяжуЩ6(jUHPШГбмтJb.M]Ku7хaOokг2qНЭ-юCiИYlrПЛАЪщ3nЯz,Ю04ьДБ1Т8BсIvзЕdвОhрМxнZфВwэ)УDF:s5дyЫЖшйоЗЦS",
    // 10: rotor 0, exit row
    u"iHБфй3оДcтfЩВдЕVХUмНТчFXКцзАШBПбJvk-РgуклKянaЖAеEИxСюO8срrnLпЪГЭЦ0W[2]жъMbmwЮа6qвhl9,7хыЬЙoФZщЛdSp5Dи4Чэ(yгINjeЫGЗQCYz)TtP.УuМRьЯ1шsО :",
    // 11: rotor 1, exit row
    u",ьН49рчkяЮVРЩLЙлГT [dB8zБ70фX5xгyЭApЖ3амнСУезKSпZ:ИoiЬ.YэbnвU)FхЫE1fDОGТЛыХcюgдHsу(йQЕvЯPсШwтиtАJW6qъeu]aCКщm2жINоOЦjбlПЗцФRкЧhrMш-ДМЪВ",
    // 12: rotor 2, exit row
    u"fу.q5йАсДжzц6м(оВ9ТгИm 8ЙjpСьыЬлu7дтeLxdяMщМbЭFPШ]:КЫnvOхФAkюЛбаBрн24WJoDhеъ)ЯXUGwХrTЪgэCБЕNПKиYНIп0У-RЮЩвiQH[1c,ч3ЦyЧзРslшГЗОкфЖSZatVE",
    // 13: rotor 3, exit row
    u"[,5GВ]NHKщ2ШСчцшgPcwA eюбhVлзqiЩуSпФaгаuzЙХJ7сИэы4тjTЦfЫКж6ТvМbЪйD-CкWlIиE8ЗОkГоnBяхsьpфЯ3UyАн.:RъЛ)Y0УвЧ1РOЕQ9ЖLмЬЮеПZoНДдmrрБ(tMXdFxЭ",
    // 14: rotor 4, exit row
    u"эHNd[гсQч-мCLtяyЯaЗlUVдЮwнАбD:еOI9ПF7hБюШьВЦцСkЬcXЭЫTЪОЙb иЩ,BiоФGИj(ТДРЛgх53PSМqmт]Н8ж.кvK4й1ArfКnoъЧГpвYыW)xшsZарJ6EЖRzХЕп0зMuфe2щулУ",
    // 15: rotor 5, exit row
    u"XУеZEUjЬэшuвЖОF]-0МбП yOТ9tс6YnйBСfGqvгcЛяQдзhФБoюD4ъЭГыЮ85НbLАкg(ьarорт72жХMKSиxРВЫИщPsДkHzф)[eмЙIVwч3dЧTнiЩШ,а.цлCpпWЦЯRЕуmКЗхlA:ЪJN1",
    // 16: rotor 6, exit row
    u"oБ)гuИО8z0ФЦЬсJTryхFЖLЛЮhcgeХMBUXч[,СЗщdKZs4нiECъ:6ьWлвф2ЭЧHSbбЯAkртШдЕмй.5ВPQНGfПшжЫЪпa-vАpIlnэзmOЩtДРаRqыNxуЙцYКVDМТея]9ю(3Уо1иj Г7wк",
    // 17: rotor 7, exit row
    u"ктguSАKУwХиЗ5хVM93Ъчcx.AПИLiзZC1Ь]Тя-)ЩСшЛФUyЕaY,эWЖОqмъzHvф2дщР :fEЫюRTbXрыьоdBвJслГNsЮЙжnеGЦI(tугDlhпНнFЧk68Qбop[4цМ0йШКВДm7аOPeЯjrЭБ",
    // 18: rotor 8, exit row
    u"qС.юзяp4глШМсЕ5ЫЬ0hMIуГPЧTuмBNвЙб чAЗsHЦb1ПvyeKaУfаЖ)otcFэъЭYьЮБК,шцG8т6DZljE:рыRкQжkwЛЯфнРCИximUТz[ЪL9еО-иS7пWJgйd(ЩА2ВоOФхVХnrдX3ДщН]",
    // 19: rotor 9, exit row
    u"BПДqWG-бaЯъйE ыeLя06l]K8nЦJcМdЧЭAXзиSФZо5oв9CугРшаHрtyБЫzwP7Ь1.R4ОС[ЮЙhпГU,дjВ3fсmgлVНюbТкЕнэьечuvЪsrQiЩИУxжMмЖTYщфх2DцI(kOFА:pШ)тКЗЛХN",
};

}  // namespace

std::u16string_view RotorWiringText::Literal(int index)
{
    CheckIndex(index, 0, TextCount - 1);
    return Literals[index];
}

RotorWiringText::RotorWiringText()
{
    for (int i = 0; i < TextCount; ++i)
        texts_[i] = std::u16string(Literal(i));
}

const std::u16string& RotorWiringText::operator()(int index) const
{
    return texts_[index];
}

}  // namespace velista
