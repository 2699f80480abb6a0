// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/frmAbout.h"

#include "VelistaIdentity.h"
#include "platform/ProgramLauncher.h"
#include "window_kit/CoreText.h"
#include "window_kit/ProgramIcon.h"
#include "window_kit/Twips.h"

#include <algorithm>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

#include <stdexcept>
#include <string>

namespace velista {

namespace {

QString ApplicationTitle() { return CoreText(IdentityContext, QString::fromUtf8(identity::Title)); }
constexpr char32_t CopyrightSign = 0x00A9;

QLabel* MakeLabel(QWidget* parent, const char* name, QRect geometry, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

// One part of the etched separator: a line drawn as a filled strip.
QFrame* MakeLine(QWidget* parent, int index, QRect geometry, QColor colour)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setProperty("index", index);
    line->setGeometry(geometry);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}

// The author line's mark, the copyright sign, in the designed Symbol 9 pt where the face standing in for
// Symbol maps Unicode and has the sign. A symbol-encoded face (the Symbol of Windows, or a stand-in such
// as Standard Symbols) reads U+00A9 as its own code 0xA9, a heart in that encoding: then the box's own
// Unicode face draws the sign, at the designed size.
QFont AuthorMarkFont(const QFont& boxFont)
{
    const QFont designed(QStringLiteral("Symbol"), 9);
    const bool symbolEncoded =
        QFontDatabase::writingSystems(QFontInfo(designed).family()).contains(QFontDatabase::Symbol);
    if (!symbolEncoded && QFontMetrics(designed).inFontUcs4(CopyrightSign))
        return designed;
    QFont unicode = boxFont;
    unicode.setPointSize(9);
    return unicode;
}

}  // namespace

frmAbout::frmAbout(SystemRegistry& registry, ProgramLauncher& launcher, MessageFunction message)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , registry_(registry)
    , launcher_(launcher)
    , message_(std::move(message))
{
    if (!message_) {
        message_ = [this](const QString& text, const QString& caption) {
            QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, this);
            box.exec();
        };
    }
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ProgramIcon());
    setFixedSize(TwipsSize(7545, 3555));
    BuildControls();
    Form_Load();
}

void frmAbout::BuildControls()
{
    Picture1_ = new QLabel(this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    Picture1_->setGeometry(TwipsRect(0, 0, 2835, 3585));
    Picture1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1_->setPixmap(QPixmap(QStringLiteral(":/pictures/about.png")));

    cmdOK_ = new QPushButton(tr("Выход"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(TwipsRect(6075, 2625, 1320, 345));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::close);

    cmdSysInfo_ = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo_->setGeometry(TwipsRect(6090, 3075, 1275, 345));
    connect(cmdSysInfo_, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    // The run of blanks makes the word wrap start the second sentence on a line of its own.
    Label3_ = MakeLabel(this, "Label3", TwipsRect(2970, 2580, 2940, 945),
                        tr("ВНИМАНИЕ.") + QString(29, u' ')
                            + tr("Алгоритм Велисты не является стойким  к методам современного "
                                             "криптоанализа"));
    Label2_ = MakeLabel(this, "Label2", TwipsRect(5790, 2010, 1095, 195), tr("И. Н. Белов"));
    Label2_->setWordWrap(false);
    Label1_ = MakeLabel(this, "Label1", TwipsRect(5640, 1980, 135, 225), QString(QChar(static_cast<char16_t>(CopyrightSign))));
    Label1_->setWordWrap(false);
    Label1_->setFont(AuthorMarkFont(font()));

    QFrame* grey = MakeLine(this, 1, TwipsRect(2940, 2460, 7320 - 2940, 15), QColor(128, 128, 128));
    lblDescription_ = MakeLabel(this, "lblDescription", TwipsRect(3060, 390, 3885, 240),
                                tr("Учебно-методическая программа"));
    lblTitle_ = MakeLabel(this, "lblTitle", TwipsRect(3060, 150, 3885, 240), QStringLiteral("Application Title"));
    MakeLine(this, 0, TwipsRect(2940, 2460, 7260 - 2940, 30), Qt::white);
    // The grey line lies over the upper half of the wider white one: together they look cut into the box.
    grey->raise();
    lblVersion_ = MakeLabel(this, "lblVersion", TwipsRect(3090, 780, 3885, 225), QStringLiteral("Version"));
    lblDisclaimer_ = MakeLabel(this, "lblDisclaimer", TwipsRect(3060, 1170, 3900, 645),
                               tr("Кафедра защиты информации\nВерхневолжский институт\nинформатики, Тверь, 2024"));

    // Of the whole tab order only the two buttons take the focus: labels and the picture never do.
    setTabOrder(cmdOK_, cmdSysInfo_);
    cmdOK_->setFocus();
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + ApplicationTitle());
    lblVersion_->setText(QStringLiteral("Version %1.%2.%3")
                             .arg(identity::VersionMajor)
                             .arg(identity::VersionMinor)
                             .arg(identity::VersionPatch));
    lblTitle_->setText(ApplicationTitle());
}

// A zero byte inside the text stays a zero character, as on every system: Windows' conversion from the
// ANSI code page would drop it, so the pieces between zeros are converted one by one.
QString frmAbout::FromLocal8BitKeepingZeros(std::string_view text)
{
    QString converted;
    for (std::size_t start = 0;;) {
        const std::size_t zero = std::min(text.find('\0', start), text.size());
        converted += QString::fromLocal8Bit(text.data() + start, static_cast<qsizetype>(zero - start));
        if (zero == text.size())
            return converted;
        converted += QChar(0);
        start = zero + 1;
    }
}

void frmAbout::StartSysInfo()
{
    const SystemRegistry::Key root = SystemRegistry::HKeyLocalMachine;
    try {
        QString path;
        if (GetKeyValue(root, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"),
                        path)) {
            if (launcher_.Start(path))
                return;
        } else if (GetKeyValue(root, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                               QStringLiteral("MSINFO"), path)) {
            const QString tool = path + QStringLiteral("\\MSINFO32.EXE");
            if (launcher_.FileExists(tool) && launcher_.Start(tool))
                return;
        }
    } catch (const std::exception&) {
        // A value that cannot be read as text means the tool cannot be found either.
    }
    message_(QString::fromUtf16(UnavailableMessage), ApplicationTitle());
}

bool frmAbout::GetKeyValue(SystemRegistry::Key KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                           QString& KeyVal)
{
    constexpr std::uint32_t Room = 1024;

    SystemRegistry::Key key = 0;
    if (!registry_.OpenKey(KeyRoot, KeyName.toLocal8Bit().toStdString(), SystemRegistry::ReadAccess, key)) {
        KeyVal.clear();
        return false;
    }
    std::string buffer(Room, '\0');
    std::uint32_t size = Room;
    std::uint32_t type = 0;
    if (!registry_.QueryValue(key, SubKeyRef.toLocal8Bit().toStdString(), type, buffer.data(), size)
        || size > Room) {
        KeyVal.clear();
        registry_.CloseKey(key);
        return false;
    }
    if (size == 0) {
        registry_.CloseKey(key);
        throw std::out_of_range("a registry value of size zero");
    }

    // The stored size counts a string's terminating zero when it was stored with one.
    const std::string_view value(buffer.data(), size);
    const std::string_view text = value.back() == '\0' ? value.substr(0, size - 1) : value;

    switch (type) {
    case SystemRegistry::RegSz:
        KeyVal = FromLocal8BitKeepingZeros(text);
        break;
    case SystemRegistry::RegDword: {
        // All stored bytes, most significant (the last) first, two digits each: the number itself.
        QString digits = QStringLiteral("&h");
        for (std::size_t i = value.size(); i-- > 0;)
            digits += QStringLiteral("%1").arg(static_cast<unsigned char>(value[i]), 2, 16, QLatin1Char('0')).toUpper();
        KeyVal = digits;
        break;
    }
    default:
        break;
    }
    registry_.CloseKey(key);
    return true;
}

}  // namespace velista
