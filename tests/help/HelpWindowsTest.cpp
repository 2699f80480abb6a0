// SPDX-License-Identifier: GPL-3.0-or-later
// The two help windows and the owner that opens them: captions, geometry, the page path, one window of
// each kind, and a fresh load after closing.

#include "help/Form4.h"
#include "help/InformationWindows.h"
#include "help/PageBrowser.h"
#include "help/frmAbout.h"
#include "help/frmBrowser.h"
#include "platform/NoRegistry.h"
#include "tests/support/BuildPaths.h"
#include "tests/support/FakeLauncher.h"

#include <QDir>
#include <QAccessible>
#include <QImage>
#include <QSet>
#include <QTextBlock>
#include <QScrollBar>
#include <QtTest>

using velista::test::FakeLauncher;
using velista::Form4;
using velista::InformationWindows;
using velista::PageBrowser;
using velista::PageWindow;
using velista::frmBrowser;

namespace {

void WritePage(const QString& folder, const QString& name, const QString& title)
{
    QFile file(folder + '/' + name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                              "<body><p>Текст страницы «%1».</p></body></html>")
                   .arg(title)
                   .toUtf8());
}

QString MachinePage()
{
    return QString::fromUtf16(frmBrowser::PageName);
}

QString HelpPage()
{
    return QString::fromUtf16(Form4::PageName);
}

// The English pages have the Russian pages' names in the folder en beside them.
QString English(const QString& page)
{
    return QStringLiteral("en/") + page;
}

// Opens a page shipped beside the built program as the help windows do.
void OpenShipped(PageBrowser& browser, const QString& page)
{
    QSignalSpy loaded(&browser, &PageBrowser::DownloadComplete);
    browser.Navigate(QString::fromUtf8(velista::test::ProgramFolder()) + '/' + page);
    QVERIFY(loaded.wait());
}

// What a page holds that can fail to resolve: its anchors, the targets of its links, its pictures.
struct PageParts {
    QSet<QString> anchors;
    QStringList links;
    QStringList pictures;
};

PageParts PartsOf(const QTextDocument& document)
{
    PageParts parts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        // A link spans several fragments where its text changes format.
        QString previousHref;
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                parts.anchors.insert(name);
            const QString href = format.isAnchor() ? format.anchorHref() : QString();
            if (format.isImageFormat())
                parts.pictures.append(format.toImageFormat().name());
            else if (!href.isEmpty() && href != previousHref)
                parts.links.append(href);
            previousHref = href;
        }
    }
    return parts;
}

}  // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void browserCaptionFollowsPageAfterLoading();
    void helpCaptionNeverChanges();
    void pagePath_data();
    void pagePath();
    void missingPageLeavesBrowserEmpty();
    void geometry_data();
    void geometry();
    void browserExtent_data();
    void browserExtent();
    void tinyClientAreaGivesEmptyBrowser();
    void oneWindowOfEachKind();
    void closedWindowLoadsItsPageAgain();
    void aboutBoxIsOneAndAnewAfterClosing();
    void windowsCarryProgramIcon();
    void shippedPagesHaveTitles_data();
    void shippedPagesHaveTitles();
    void shippedPagesLinksAndPictures_data();
    void shippedPagesLinksAndPictures();
    void keyboardAndScreenReader_data();
    void keyboardAndScreenReader();
    void pageLanguage_data();
    void pageLanguage();

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

void HelpWindowsTest::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    WritePage(folder_->path(), MachinePage(), QStringLiteral("Как устроена машина"));
    WritePage(folder_->path(), HelpPage(), QStringLiteral("Как пользоваться"));
}

void HelpWindowsTest::cleanup()
{
    folder_.reset();
}

void HelpWindowsTest::browserCaptionFollowsPageAfterLoading()
{
    frmBrowser window(folder_->path());
    QCOMPARE(window.windowTitle(), QStringLiteral("Form2"));
    QSignalSpy loaded(window.brwWebBrowser(), &PageBrowser::DownloadComplete);

    window.Load();
    QCOMPARE(window.windowTitle(), QStringLiteral("Form2"));

    QVERIFY(loaded.wait());
    QCOMPARE(window.windowTitle(), QStringLiteral("Как устроена машина"));
    QVERIFY(window.brwWebBrowser()->toPlainText().contains(QStringLiteral("Текст страницы")));
}

void HelpWindowsTest::helpCaptionNeverChanges()
{
    Form4 window(folder_->path());
    QCOMPARE(window.windowTitle(), QStringLiteral("Справка"));
    QSignalSpy loaded(window.WebBrowser(), &PageBrowser::DownloadComplete);

    window.Load();

    QVERIFY(loaded.wait());
    QCOMPARE(window.windowTitle(), QStringLiteral("Справка"));
    QCOMPARE(window.WebBrowser()->documentTitle(), QStringLiteral("Как пользоваться"));
}

void HelpWindowsTest::pagePath_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("separators");

    // The system's own separator: "\\" on Windows, as the program has always joined them there.
    const QString separator(PageWindow::PathSeparator);
    QTest::newRow("folder without a trailing separator") << QString() << separator;
    QTest::newRow("folder with a trailing separator gives two") << separator << separator + separator;
}

void HelpWindowsTest::pagePath()
{
    QFETCH(QString, suffix);
    QFETCH(QString, separators);

    frmBrowser window(folder_->path() + suffix);
    const QString expected = folder_->path() + separators + MachinePage();
    QCOMPARE(window.PagePath(), expected);

    QSignalSpy loaded(window.brwWebBrowser(), &PageBrowser::DownloadComplete);
    window.Load();
    QCOMPARE(window.brwWebBrowser()->Location(), expected);
    QVERIFY(loaded.wait());
    QCOMPARE(window.windowTitle(), QStringLiteral("Как устроена машина"));
}

void HelpWindowsTest::missingPageLeavesBrowserEmpty()
{
    QTemporaryDir empty;
    frmBrowser window(empty.path());
    QSignalSpy loaded(window.brwWebBrowser(), &PageBrowser::DownloadComplete);

    window.Load();
    QVERIFY(loaded.wait());

    QVERIFY(window.isVisible());
    QVERIFY(window.brwWebBrowser()->toPlainText().isEmpty());
    QVERIFY2(QApplication::activeModalWidget() == nullptr, "no message of the program's own");
    QCOMPARE(window.windowTitle(), MachinePage());
}

void HelpWindowsTest::geometry_data()
{
    QTest::addColumn<bool>("machine");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("browser");

    // 9345 x 5580 twips; the browser 10 twips smaller, 30 twips down, so its foot lies outside.
    QTest::newRow("frmBrowser") << true << QSize(623, 372) << QRect(0, 2, 622, 371);
    // 9060 x 3795 twips; the browser leaves a 10-twip strip at the right and the bottom.
    QTest::newRow("Form4") << false << QSize(604, 253) << QRect(0, 0, 603, 252);
}

void HelpWindowsTest::geometry()
{
    QFETCH(bool, machine);
    QFETCH(QSize, client);
    QFETCH(QRect, browser);

    std::unique_ptr<PageWindow> window;
    if (machine)
        window = std::make_unique<frmBrowser>(folder_->path());
    else
        window = std::make_unique<Form4>(folder_->path());
    window->Load();

    // Opens at its designed size; resizable, down to a size that still shows a few lines.
    QCOMPARE(window->size(), client);
    QVERIFY(window->minimumSize().width() <= client.width() / 2 && window->minimumSize().height() <= client.height());
    QVERIFY(window->minimumSize().height() >= 80);
    QCOMPARE(window->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    auto* view = window->findChild<PageBrowser*>(machine ? QStringLiteral("brwWebBrowser") : QStringLiteral("WebBrowser"));
    QVERIFY(view);
    QCOMPARE(view->geometry(), browser);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(qAbs(window->geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(window->geometry().center().y() - screen.center().y()) <= 1);
}

void HelpWindowsTest::browserExtent_data()
{
    QTest::addColumn<int>("client");
    QTest::addColumn<int>("extent");

    QTest::newRow("nothing left") << 0 << 0;
    QTest::newRow("one pixel, 15 twips, leaves a third of a pixel") << 1 << 0;
    QTest::newRow("two pixels leave 20 twips") << 2 << 1;
    QTest::newRow("the width of frmBrowser") << 623 << 622;
}

void HelpWindowsTest::browserExtent()
{
    QFETCH(int, client);
    QFETCH(int, extent);

    QCOMPARE(PageWindow::BrowserExtent(client), extent);
}

void HelpWindowsTest::tinyClientAreaGivesEmptyBrowser()
{
    Form4 window(folder_->path());
    window.Load();
    window.setFixedSize(0, 0);
    QCoreApplication::processEvents();

    QCOMPARE(window.WebBrowser()->size(), QSize(0, 0));
}

void HelpWindowsTest::oneWindowOfEachKind()
{
    velista::NoRegistry registry;
    FakeLauncher launcher;
    InformationWindows windows(folder_->path(), registry, launcher);

    frmBrowser* first = windows.ShowBrowser();
    Form4* help = windows.ShowHelp();
    QSignalSpy loaded(first->brwWebBrowser(), &PageBrowser::DownloadComplete);
    QVERIFY(loaded.wait());
    WritePage(folder_->path(), MachinePage(), QStringLiteral("Изменённая страница"));

    QCOMPARE(windows.ShowBrowser(), first);
    QCOMPARE(windows.ShowHelp(), help);
    QTest::qWait(50);

    QCOMPARE(loaded.count(), 1);
    QCOMPARE(first->windowTitle(), QStringLiteral("Как устроена машина"));
    QVERIFY(first->isVisible());
    QVERIFY(help->isVisible());
    const QWidgetList all = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(all.begin(), all.end(), [](QWidget* w) { return qobject_cast<frmBrowser*>(w) != nullptr; }),
             1);
}

void HelpWindowsTest::closedWindowLoadsItsPageAgain()
{
    velista::NoRegistry registry;
    FakeLauncher launcher;
    InformationWindows windows(folder_->path(), registry, launcher);

    QPointer<frmBrowser> first = windows.ShowBrowser();
    QTRY_COMPARE(first->windowTitle(), QStringLiteral("Как устроена машина"));
    QPointer<Form4> help = windows.ShowHelp();
    windows.CloseAll();
    QTRY_VERIFY(first.isNull());
    QTRY_VERIFY(help.isNull());

    WritePage(folder_->path(), MachinePage(), QStringLiteral("Изменённая страница"));
    frmBrowser* second = windows.ShowBrowser();
    QCOMPARE(second->windowTitle(), QStringLiteral("Form2"));
    QTRY_COMPARE(second->windowTitle(), QStringLiteral("Изменённая страница"));
    QVERIFY(windows.ShowHelp() != nullptr);
}

void HelpWindowsTest::aboutBoxIsOneAndAnewAfterClosing()
{
    velista::NoRegistry registry;
    FakeLauncher launcher;
    InformationWindows windows(folder_->path(), registry, launcher);

    QPointer<velista::frmAbout> about = windows.ShowAbout();
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    QCOMPARE(windows.ShowAbout(), about.data());

    about->close();
    QTRY_VERIFY(about.isNull());
    velista::frmAbout* again = windows.ShowAbout();
    QVERIFY(again != nullptr);
    QVERIFY(again->isVisible());
}

void HelpWindowsTest::windowsCarryProgramIcon()
{
    velista::NoRegistry registry;
    FakeLauncher launcher;
    InformationWindows windows(folder_->path(), registry, launcher);

    for (QWidget* window : std::initializer_list<QWidget*>{windows.ShowBrowser(), windows.ShowHelp(), windows.ShowAbout()}) {
        const QList<QSize> sizes = window->windowIcon().availableSizes();
        QVERIFY2(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)), qPrintable(window->objectName()));
    }
}

void HelpWindowsTest::shippedPagesHaveTitles_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("word");

    QTest::newRow("the machine") << MachinePage() << QStringLiteral("Велиста — как устроена машина") << "ротор";
    QTest::newRow("the help") << HelpPage() << QStringLiteral("Велиста — справка") << "ротор";
    QTest::newRow("the machine, English") << English(MachinePage()) << "Velista — how the machine works" << "rotor";
    QTest::newRow("the help, English") << English(HelpPage()) << "Velista — help" << "rotor";
}

// The pages beside the built program open with their text intact.
void HelpWindowsTest::shippedPagesHaveTitles()
{
    QFETCH(QString, page);
    QFETCH(QString, title);
    QFETCH(QString, word);

    PageBrowser browser;
    OpenShipped(browser, page);

    QCOMPARE(browser.documentTitle(), title);
    const QString text = browser.toPlainText();
    QVERIFY(text.size() > 2000);
    QVERIFY(text.contains(word));
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
}

void HelpWindowsTest::shippedPagesLinksAndPictures_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("russian");
    QTest::addColumn<int>("links");
    QTest::addColumn<int>("pictures");

    // The contents line's links, and in the help one more to the teaching menu's section.
    QTest::newRow("the machine") << MachinePage() << MachinePage() << 8 << 1;
    QTest::newRow("the help") << HelpPage() << HelpPage() << 10 << 0;
    QTest::newRow("the machine, English") << English(MachinePage()) << MachinePage() << 8 << 1;
    QTest::newRow("the help, English") << English(HelpPage()) << HelpPage() << 10 << 0;
}

// Every link of a shipped page leads to an anchor of the page or to a file beside it, every picture loads
// from where the page stands, and a translated page keeps the anchors of the Russian one.
void HelpWindowsTest::shippedPagesLinksAndPictures()
{
    QFETCH(QString, page);
    QFETCH(QString, russian);
    QFETCH(int, links);
    QFETCH(int, pictures);

    PageBrowser browser;
    OpenShipped(browser, page);
    const PageParts parts = PartsOf(*browser.document());

    QCOMPARE(parts.links.size(), links);
    for (const QString& link : parts.links) {
        const QUrl target = browser.source().resolved(QUrl(link));
        QVERIFY2(target.isLocalFile(), qPrintable(link));
        if (target.hasFragment())
            QVERIFY2(parts.anchors.contains(target.fragment()), qPrintable(link));
        QVERIFY2(QFileInfo(target.toLocalFile()).isFile(), qPrintable(link));
    }
    QCOMPARE(parts.pictures.size(), pictures);
    for (const QString& picture : parts.pictures) {
        const QVariant data = browser.loadResource(QTextDocument::ImageResource, QUrl(picture));
        QVERIFY2(!QImage::fromData(data.toByteArray()).isNull(), qPrintable(picture));
    }

    PageBrowser original;
    OpenShipped(original, russian);
    QCOMPARE(parts.anchors, PartsOf(*original.document()).anchors);
}

void HelpWindowsTest::keyboardAndScreenReader_data()
{
    QTest::addColumn<bool>("machine");
    QTest::addColumn<QString>("name");

    QTest::newRow("frmBrowser") << true << "Описание машины";
    QTest::newRow("Form4") << false << "Справка по программе";
}

// Each help window is a dialog to a screen reader, its page has a name, the focus is on the page when it
// opens and Tab comes back to it past the links, the keys scroll a long page, and Escape closes it.
void HelpWindowsTest::keyboardAndScreenReader()
{
    QFETCH(bool, machine);
    QFETCH(QString, name);

    QFile page(folder_->path() + '/' + (machine ? MachinePage() : HelpPage()));
    QVERIFY(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
    page.write(QStringLiteral("<html><body><a href=\"#a\">один</a> <a href=\"#b\">два</a>%1</body></html>")
                   .arg(QStringLiteral("<p>строка</p>").repeated(200))
                   .toUtf8());
    page.close();
    velista::NoRegistry registry;
    FakeLauncher launcher;
    InformationWindows windows(folder_->path(), registry, launcher);
    QPointer<PageWindow> window = machine ? static_cast<PageWindow*>(windows.ShowBrowser()) : windows.ShowHelp();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* browser = window->findChild<PageBrowser*>();

    QCOMPARE(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Dialog);
    QCOMPARE(QAccessible::queryAccessibleInterface(browser)->text(QAccessible::Name), name);
    QCOMPARE(QApplication::focusWidget(), browser);
    for (int press = 0; press < 3; ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), browser);
    QTest::keyClick(browser, Qt::Key_PageDown);
    QVERIFY(browser->verticalScrollBar()->value() > 0);
    QTest::keyClick(browser, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
}

// The help windows open the English page from en/ when the windows speak English and the page is there,
// and the Russian page otherwise.
void HelpWindowsTest::pageLanguage_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QStringList>("englishPages");
    QTest::addColumn<bool>("englishHelp");
    QTest::addColumn<bool>("englishMachine");
    const QStringList both{HelpPage(), MachinePage()};
    QTest::newRow("English, both pages") << QLocale::English << both << true << true;
    QTest::newRow("English, help page only") << QLocale::English << QStringList{HelpPage()} << true << false;
    QTest::newRow("English, no en folder") << QLocale::English << QStringList{} << false << false;
    QTest::newRow("Russian, both pages there") << QLocale::Russian << both << false << false;
}

void HelpWindowsTest::pageLanguage()
{
    QFETCH(QLocale::Language, language);
    QFETCH(QStringList, englishPages);
    QFETCH(bool, englishHelp);
    QFETCH(bool, englishMachine);
    // The program names the English folder with the system's separator, as it does the page.
    const QChar separator = PageWindow::PathSeparator;
    const QString english = folder_->path() + separator + QStringLiteral("en");
    if (!englishPages.isEmpty())
        QVERIFY(QDir().mkpath(english));
    for (const QString& page : englishPages)
        WritePage(english, page, QStringLiteral("English"));
    velista::NoRegistry registry;
    FakeLauncher launcher;
    InformationWindows windows(folder_->path(), registry, launcher);
    windows.SetPageLanguage(language);
    QCOMPARE(windows.ShowHelp()->PagePath(), (englishHelp ? english : folder_->path()) + separator + HelpPage());
    QCOMPARE(windows.ShowBrowser()->PagePath(), (englishMachine ? english : folder_->path()) + separator + MachinePage());
}

QTEST_MAIN(HelpWindowsTest)
#include "HelpWindowsTest.moc"
