"""A second, independent model of the Велиста cipher machine, kept as test code.

It follows how the machine works (alphabet, rotor wiring, installation, symbol path and odometer
stepping) in the plainest way, one turn and one step at a time, and shares no code with the C++ core,
so that the known answers it makes check the core rather than restate it. Standard library only.
"""

SIZE = 135  # symbols in the alphabet, positions on a rotor row, places on each odometer wheel

# The ten catalogue rotors 0 to 9: (entry row, exit row), each row a permutation of the alphabet,
# position 0 first.
WIRING = (
    ('sfcж[UпiиРЩБЧYBЦ4хИТГqhPIч)kmОюЫ,aeъКбщzMЗШьZKаvЙrTy0ВЮйы-LМwdJвЬрXФ738SХubOЖшЛПFgQм2гуН(6знoNj9EWЯлтGxяHЕцСVеpф5]nАо:lкс.ЪДдУtAэ1C ЭRD',
     'iHБфй3оДcтfЩВдЕVХUмНТчFXКцзАШBПбJvk-РgуклKянaЖAеEИxСюO8срrnLпЪГЭЦ0W[2]жъMbmwЮа6qвhl9,7хыЬЙoФZщЛdSp5Dи4Чэ(yгINjeЫGЗQCYz)TtP.УuМRьЯ1шsО :'),
    ('-:ьТ SouН4ПйЦ(AмДpяbhiлМыЛ2шZ]C8eвNюTРЧкQyу)OYgIШ.6щDВ[XаKVпЭЫtJFс3ЗэBЕWгЬХЙwGrбxфzхрMъГ7С1ЩиP,L9ЪЖУHUзlБmАЮОjnvaцдd0fRqsEКеИжФчн5ckоЯт',
     ',ьН49рчkяЮVРЩLЙлГT [dB8zБ70фX5xгyЭApЖ3амнСУезKSпZ:ИoiЬ.YэbnвU)FхЫE1fDОGТЛыХcюgдHsу(йQЕvЯPсШwтиtАJW6qъeu]aCКщm2жINоOЦjбlПЗцФRкЧhrMш-ДМЪВ'),
    ('yВPЕнНыиVАпUdйWФDЪs(BкПРТAЙмьKgЩJГщж2хоазШOОEц1HсЮЭЦQMД9x5[лМ.И wZLХiг,4rhУЫf)pдЯq:XтSэTф-u3ЬRшъz70БFYIв]Чa6юСoеjЛtvcЖ8ЗбКkрчCnяlуeGbmN',
     'fу.q5йАсДжzц6м(оВ9ТгИm 8ЙjpСьыЬлu7дтeLxdяMщМbЭFPШ]:КЫnvOхФAkюЛбаBрн24WJoDhеъ)ЯXUGwХrTЪgэCБЕNПKиYНIп0У-RЮЩвiQH[1c,ч3ЦyЧзРslшГЗОкфЖSZatVE'),
    ('UqG6b5]аiъйuмОAMА[arн2CЦmЬXsKSl1фИЛФhRIчРDoБЩ.УГH(Х7Йк)КЧеvю0Шz3ЯыpJ,tтСL:цЖYжМлNxв8nияэщоw ZДeVgсрEуQбЫЮзПшНдOьkTBЪWпТfгFjВ-dЕЗPх94cyЭ',
     '[,5GВ]NHKщ2ШСчцшgPcwA eюбhVлзqiЩуSпФaгаuzЙХJ7сИэы4тjTЦfЫКж6ТvМbЪйD-CкWlIиE8ЗОkГоnBяхsьpфЯ3UyАн.:RъЛ)Y0УвЧ1РOЕQ9ЖLмЬЮеПZoНДдmrрБ(tMXdFxЭ'),
    ('ч2TtJсЯлv(rmцяNхXЛЬгьПИЫУЦ.К5:юza4kEHngЩKyЕШIqТН0Д-pоъLмoGйRыФХ]DZаАЙзкfVрB ЧщQшГuну[3МMjbiиdптЗэЮWд8PAw9жРОeС1xфUе6c),ЭБYВsвhOЖбCSЪ7Fl',
     'эHNd[гсQч-мCLtяyЯaЗlUVдЮwнАбD:еOI9ПF7hБюШьВЦцСkЬcXЭЫTЪОЙb иЩ,BiоФGИj(ТДРЛgх53PSМqmт]Н8ж.кvK4й1ArfКnoъЧГpвYыW)xшsZарJ6EЖRzХЕп0зMuфe2щулУ'),
    (')ыtoZДцвЕ5PГЦшВечIщзЩuокьmid7CgHcбЯFhсхkт[-spъХЖ:уMNФПфzGx]4KШяvVA0jWАYЮ.РИК1юлЗlмйиэB,LНЛUЫСEОжагУfD8QrЬTeJ6ЧS92qп ЙO3БXRyabЪwnрнЭ(дМТ',
     'XУеZEUjЬэшuвЖОF]-0МбП yOТ9tс6YnйBСfGqvгcЛяQдзhФБoюD4ъЭГыЮ85НbLАкg(ьarорт72жХMKSиxРВЫИщPsДkHzф)[eмЙIVwч3dЧTнiЩШ,а.цлCpпWЦЯRЕуmКЗхlA:ЪJN1'),
    ('HNдmP43MяI1G2шnрекzЗUМВФлЮ-ЩKtQ)щjgЕvxУИДuYъЛЖвА(Нd8сБфXаЦ,ныAО6ЙСР[pbоТW]ГSуиkqЬЪбЯBчhoilхyйШтзЫwгOэVrюEC TХцaR0LпD7ПЭZьsм9ЧeJж.F:5fcК',
     'oБ)гuИО8z0ФЦЬсJTryхFЖLЛЮhcgeХMBUXч[,СЗщdKZs4нiECъ:6ьWлвф2ЭЧHSbбЯAkртШдЕмй.5ВPQНGfПшжЫЪпa-vАpIlnэзmOЩtДРаRqыNxуЙцYКVDМТея]9ю(3Уо1иj Г7wк'),
    ('2тOМWVгмfеaсyoЩцDэжПC3дщшxrа:,ЭEАпчК8HюУnЙRN4ФhUО5зMi6 ]лЧulXШqЪT[ZрPфQ.SFGыIЦя(eЫТsv1ьВbбYt79НЛйЯKjAwpиЗgоДР)z-JХcЖBБунmкЬdСLъГЮхв0ЕИk',
     'ктguSАKУwХиЗ5хVM93Ъчcx.AПИLiзZC1Ь]Тя-)ЩСшЛФUyЕaY,эWЖОqмъzHvф2дщР :fEЫюRTbXрыьоdBвJслГNsЮЙжnеGЦI(tугDlhпНнFЧk68Qбop[4цМ0йШКВДm7аOPeЯjrЭБ'),
    ('adТуфтlL32oXбаq:(BсД]ЫЧн7C,ЪЖФiЮf5дюKшчщJQhЙH)кO1UлцНcrЬb wЕХTУ-4SмЛьWmйpОA9эъuМzзMRпАГVжБ8еtВEsxDgрjZЭЗFгnоIGыхYeЩyвЯК[П.PРияСШvИ6NЦk0',
     'qС.юзяp4глШМсЕ5ЫЬ0hMIуГPЧTuмBNвЙб чAЗsHЦb1ПvyeKaУfаЖ)otcFэъЭYьЮБК,шцG8т6DZljE:рыRкQжkwЛЯфнРCИximUТz[ЪL9еО-иS7пWJgйd(ЩА2ВоOФхVХnrдX3ДщН]'),
    ('gfчVСAXКФTъиeRЧpЙаtNыLцQ екGWРлcп[9ХEmЬяжуЩ6(jUHPШГбмтJb.M]Ku7хaOokг2qНЭ-юCiИYlrПЛАЪщ3nЯz,Ю04ьДБ1Т8BсIvзЕdвОhрМxнZфВwэ)УDF:s5дyЫЖшйоЗЦS',
     'BПДqWG-бaЯъйE ыeLя06l]K8nЦJcМdЧЭAXзиSФZо5oв9CугРшаHрtyБЫzwP7Ь1.R4ОС[ЮЙhпГU,дjВ3fсmgлVНюbТкЕнэьечuvЪsrQiЩИУxжMмЖTYщфх2DцI(kOFА:pШ)тКЗЛХN'),
)

# The program's alphabet is the entry row of rotor 0: the space, ( ) , - . : [ ], the digits, the
# Latin letters and А-Я, а-я (no Ё, ё).
ALPHABET = WIRING[0][0]


class Slot:
    """One rotor in the bank: the catalogue rotor's two rows and how many turns it has made since it
    was copied.  A turn moves every symbol of both rows one position up (134 wraps to 0), so after
    t turns position q holds what the catalogue row holds at (q - t) mod 135."""

    def __init__(self, rotor, key):
        self.entry, self.exit = WIRING[rotor]
        if key not in ALPHABET:
            raise ValueError(f"key symbol {key!r} is not in the alphabet")
        # Installation turns the slot one step at a time, at least once, until the key symbol
        # stands at entry position 0: 135 - p turns for a key at position p, a full 135 for p = 0.
        self.turns = 0
        while True:
            self.turns += 1
            if self.entry_at(0) == key:
                break
        self.installed_turns = self.turns

    def turn(self):
        self.turns += 1

    def entry_at(self, q):
        return self.entry[(q - self.turns) % SIZE]

    def exit_at(self, q):
        return self.exit[(q - self.turns) % SIZE]

    def _find(self, row, symbol):
        # A symbol the row does not hold is found at position 0.
        where = row.find(symbol) if len(symbol) == 1 else -1
        return 0 if where < 0 else (where + self.turns) % SIZE

    def find_in_entry(self, symbol):
        return self._find(self.entry, symbol)

    def find_in_exit(self, symbol):
        return self._find(self.exit, symbol)


class Bank:
    """Five slots installed from five rotor digits (repeats allowed) and a five-symbol key, and the
    five step counters of the odometer."""

    def __init__(self, rotors, key):
        if len(rotors) != 5 or not rotors.isdigit() or len(key) != 5:
            raise ValueError("five rotor digits and five key symbols are needed")
        self.slots = [Slot(int(d), k) for d, k in zip(rotors, key)]
        self.counters = [0] * 5
        self.steps = 0

    def step(self):
        """Slot 1 turns on every step; a counter that reaches 135 goes back to 0 and carries one turn
        into the next slot, like an odometer with five wheels of 135 places."""
        self.counters[0] += 1
        self.slots[0].turn()
        for k in range(4):
            if self.counters[k] >= SIZE:
                self.counters[k] = 0
                self.slots[k + 1].turn()
                self.counters[k + 1] += 1
        if self.counters[4] >= SIZE:
            self.counters[4] = 0
        self.steps += 1

    def advance(self, n):
        for _ in range(n):
            self.step()

    def jump_to(self, n):
        """The bank n steps after its installation, without making them: the counters read the digits
        of n in base 135, slot 1 the lowest, and slot k has turned n // 135^(k-1) times since."""
        for k, slot in enumerate(self.slots):
            slot.turns = slot.installed_turns + n // SIZE**k
            self.counters[k] = n // SIZE**k % SIZE
        self.steps = n

    def encipher_path(self, symbol):
        """The four hops from slot 1 to slot 5: leave slot k through its exit row at the position
        that holds the symbol, enter slot k + 1 through its entry row at that same position."""
        hops = []
        for k in range(4):
            p = self.slots[k].find_in_exit(symbol)
            symbol = self.slots[k + 1].entry_at(p)
            hops.append((p, symbol))
        return hops

    def decipher_path(self, symbol):
        """The four hops back from slot 5 to slot 1, through entry rows to the exit row before."""
        hops = []
        for k in range(4, 0, -1):
            p = self.slots[k].find_in_entry(symbol)
            symbol = self.slots[k - 1].exit_at(p)
            hops.append((p, symbol))
        return hops

    def run(self, text, decipher=False):
        """A whole text from the bank's present position: an alphabet symbol is replaced, any other
        character passes unchanged, and the bank steps once after every position either way."""
        path = self.decipher_path if decipher else self.encipher_path
        out = []
        for ch in text:
            out.append(path(ch)[-1][1] if ch in ALPHABET else ch)
            self.step()
        return "".join(out)
