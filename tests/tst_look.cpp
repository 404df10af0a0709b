#include "app/mainwindow.h"
#include "dictionaries/dlgdictionaries.h"
#include "dictionaries/dlgmakedictionary.h"
#include "progress/dlgprogress.h"
#include "settings/dlgsettings.h"
#include "settings/dlgtips.h"
#include "statistics/dlgstatistics.h"
#include "update/dlgabout.h"
#include "update/dlgupdate.h"
#include "update/updatecheck.h"
#include "widgets/appearance.h"
#include "widgets/language.h"
#include "words/history.h"
#include "words/judging.h"

#include "testenvironment.h"

#include <QtTest>

#include <QCheckBox>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextOption>

#include <functional>

namespace {

using MakeWindow = std::function<QWidget*()>;

// A text against the room its widget gives it, cut to what the widget's parents leave in view.
struct Fit
{
    QString text;
    QSize needed;
    QSize room;
    bool fits() const { return needed.width() <= room.width() && needed.height() <= room.height(); }
    QString says() const
    {
        return QString::asprintf("\"%s\" needs %dx%d, has %dx%d", qPrintable(text.left(40)), needed.width(),
                                 needed.height(), room.width(), room.height());
    }
};

QSize inView(const QWidget* widget, QRect rect)
{
    for (const QWidget* w = widget; !w->isWindow(); w = w->parentWidget())
        rect &= QRect(-widget->mapTo(w->parentWidget(), QPoint(0, 0)), w->parentWidget()->size());
    return rect.size();
}

Fit labelFit(const QLabel* label)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(label->font());
    QTextOption option;
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    document.setDefaultTextOption(option);
    if (label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text()))
        document.setHtml(label->text());
    else if (label->buddy() != nullptr)
        document.setPlainText(QString(label->text()).remove(QLatin1Char('&'))); // the mnemonic is underlined
    else
        document.setPlainText(label->text());
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), 0);
    document.setTextWidth(room.width());
    return {document.toPlainText(), QSize(qCeil(document.idealWidth()), qCeil(document.size().height())),
            room.size().boundedTo(inView(label, room))};
}

Fit buttonFit(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QString shown = QString(button->text()).remove(QLatin1Char('&'));
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    const auto contents =
        qobject_cast<const QPushButton*>(button) ? QStyle::SE_PushButtonContents : QStyle::SE_CheckBoxContents;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    return {shown, QSize(button->fontMetrics().horizontalAdvance(shown) + icon, button->fontMetrics().height()),
            room.size().boundedTo(inView(button, room))};
}

// Every label, button, check box and tab of the window whose text does not fit.
QStringList cutTexts(const QWidget* window)
{
    QList<Fit> fits;
    for (const QLabel* label : window->findChildren<QLabel*>())
        fits << labelFit(label);
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (qobject_cast<const QPushButton*>(button) || qobject_cast<const QCheckBox*>(button))
            fits << buttonFit(button);
    for (const QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        const QTabBar* bar = tabs->tabBar();
        for (int i = 0; i < bar->count(); ++i)
            fits << Fit{bar->tabText(i),
                        QSize(bar->fontMetrics().horizontalAdvance(bar->tabText(i)), bar->fontMetrics().height()),
                        inView(bar, bar->tabRect(i))};
    }
    for (const QHeaderView* header : window->findChildren<QHeaderView*>()) {
        if (!header->isVisible() || header->orientation() != Qt::Horizontal)
            continue;
        const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int i = 0; i < header->count(); ++i) {
            const QString text = header->model()->headerData(i, Qt::Horizontal).toString();
            fits << Fit{text, QSize(header->fontMetrics().horizontalAdvance(text) + margins, 0),
                        QSize(header->sectionSize(i), header->height())};
        }
    }
    QStringList cut;
    for (const Fit& fit : fits)
        if (!fit.text.trimmed().isEmpty() && !fit.fits())
            cut << fit.says();
    return cut;
}

// The Progress window at its fullest: every slip shown with three long examples.
QWidget* filledProgress()
{
    static History history;
    history.close();
    QFile::remove(QDir::currentPath() + QStringLiteral("/history.sqlite"));
    if (history.open(QDir::currentPath() + QStringLiteral("/history.sqlite")) != History::Created)
        return nullptr;
    const std::int64_t now = QDateTime::currentSecsSinceEpoch();
    const char* const answers[][2] = {
        {"accommodation", "acommodation"}, {"embarrassment", "embarasment"},     {"disappointment", "dissappointment"},
        {"unbelievable", "unbeleivable"},  {"questionnaire", "questionaire"},    {"conscientious", "conscientuos"},
        {"independence", "independance"},  {"extraordinarily", "extrordinarly"}, {"pronunciation", "pronounciation"}};
    for (const auto& [word, typed] : answers)
        history.record({QDir::currentPath(), QString::fromUtf8(word), now - 60, QString::fromUtf8(typed), false, 1, 1},
                       {1, 1, now});
    auto* window = new dlgProgress(nullptr, history, {dictionary(QDir::currentPath(), 1)});
    return QTest::qWaitFor([window] { return window->isFilled(); }) ? window : nullptr;
}

// "sist[e]r": the word with its red letters in brackets, as the HTML of a wrong answer.
QString marked(const QString& notation)
{
    QString html = QStringLiteral("<p align='center'>");
    bool red = false;
    for (int i = 0, length = 1; i < notation.size(); i += length) {
        length = notation.at(i).isHighSurrogate() ? 2 : 1;
        const QString letter = notation.mid(i, length).toHtmlEscaped();
        if (letter == QLatin1String("[") || letter == QLatin1String("]"))
            red = letter == QLatin1String("[");
        else
            html += red ? QStringLiteral("<font color='red'>") + letter + QStringLiteral("</font>") : letter;
    }
    return html + QStringLiteral("</p>");
}

} // namespace

Q_DECLARE_METATYPE(MakeWindow)

// What the user sees: every text of every window in full, and a wrong answer's real mistakes in red.
class TestLook : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        useLayoutFonts();
        // Measured with the fonts the program is installed with, not whatever the machine falls back to.
        QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("Liberation Sans"));
        // In the desktop's language, as the program starts: run once per language with LANGUAGE set.
        installTranslations(*qApp);
    }
    void init()
    {
        EnvironmentTest::init();
        // No network and no Tips window for the main window.
        writeFile(env->systemFolder() + QStringLiteral("/settings.conf"), "update=0\n");
        env->writeData(QStringLiteral("settings.conf"), "tip=0\n");
    }
    void markAnswer_redLettersAreTheMistakes_data();
    void markAnswer_redLettersAreTheMistakes();
    void everyText_fitsItsWidget_data();
    void everyText_fitsItsWidget();
    void resultLine_wholeWordAtAnyWidth_data();
    void resultLine_wholeWordAtAnyWidth();
    void language_firstOfTheDesktopsThatWeHave_data();
    void language_firstOfTheDesktopsThatWeHave();
    void windows_speakTheDesktopLanguage_data();
    void windows_speakTheDesktopLanguage();
};

void TestLook::markAnswer_redLettersAreTheMistakes_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    const QString fox = QStringLiteral("the quick brown fox ");
    QTest::addRow("one letter left out") << "sister"
                                         << "sistr"
                                         << "sist[e]r";
    QTest::addRow("of two same letters") << "letter"
                                         << "leter"
                                         << "le[t]ter";
    QTest::addRow("a wrong ending stays in its word")
        << fox + "jumps over the lazy dog" << fox + "jumped over the lazy dog" << fox + "jump[s] over the lazy dog";
    QTest::addRow("letters typed in excess are not shown") << "cat"
                                                           << " caat!"
                                                           << "cat";
    QTest::addRow("two letters swapped") << "receive"
                                         << "recieve"
                                         << "rec[ei]ve";
    QTest::addRow("empty answer") << "cat"
                                  << ""
                                  << "[cat]";
    QTest::addRow("a wholly different word") << "cat"
                                             << "dog"
                                             << "[cat]";
    QTest::addRow("capitals") << "Paris"
                              << "pARIs"
                              << "Paris";
    QTest::addRow("accented letter") << "éclair"
                                     << "eclair"
                                     << "[é]clair";
    QTest::addRow("Cyrillic") << "молоко"
                              << "малако"
                              << "м[о]л[о]ко";
    QTest::addRow("letter beyond 16 bits, whole") << "\U0001D538b"
                                                  << "b"
                                                  << "[\U0001D538]b";
    QTest::addRow("past 50 letters nothing was typed")
        << QString(55, 'a') << QString(50, 'a') << QString(50, 'a') + "[aaaaa]";
}

void TestLook::markAnswer_redLettersAreTheMistakes()
{
    QFETCH(QString, word);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(markAnswer(word, typed), marked(shown));
}

void TestLook::everyText_fitsItsWidget_data()
{
    QTest::addColumn<MakeWindow>("make");
    QTest::addRow("main window") << MakeWindow([] { return new MainWindow(nullptr); });
    QTest::addRow("Dictionaries") << MakeWindow([] { return new dlgDictionaries(nullptr); });
    QTest::addRow("Make dictionary") << MakeWindow([] { return new dlgMakeDictionary(nullptr); });
    QTest::addRow("Settings") << MakeWindow([] { return new dlgSettings(nullptr); });
    QTest::addRow("Tips") << MakeWindow([] { return new dlgTips(nullptr); });
    QTest::addRow("Statistics") << MakeWindow([] { return new dlgStatistics(nullptr); });
    QTest::addRow("Progress") << MakeWindow(filledProgress);
    QTest::addRow("About") << MakeWindow([] { return new dlgAbout(nullptr); });
    for (const unsigned short mode : {UPDATE_AVAILABLE, UPDATE_NONE, UPDATE_UNAVAILABLE})
        QTest::addRow("Update, answer %d", mode) << MakeWindow([mode] { return new dlgUpdate(nullptr, mode); });
}

void TestLook::everyText_fitsItsWidget()
{
    QFETCH(MakeWindow, make);
    std::unique_ptr<QWidget> window(make());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QStringList cut = cutTexts(window.get());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

void TestLook::resultLine_wholeWordAtAnyWidth_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<bool>("smaller"); // than the form's 32 points, and at least 14
    const QString longest = QStringLiteral("pneumonoultramicroscopicsilicovolcanoconiosisology"); // 50 letters
    QTest::addRow("short word keeps the form's size") << "sister" << 600 << false;
    QTest::addRow("50 letters, narrowest window") << longest << 600 << true;
    QTest::addRow("phrase wraps at its spaces") << "the quick brown fox jumps over the lazy dog" << 600 << false;
    QTest::addRow("phrase with a long word") << "supercalifragilisticexpialidocious said the child" << 600 << true;
}

void TestLook::resultLine_wholeWordAtAnyWidth()
{
    QFETCH(QString, word);
    QFETCH(int, windowWidth);
    QFETCH(bool, smaller);
    MainWindow window(nullptr);
    window.show();
    window.resize(windowWidth, 380);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* result = child<QLabel>(&window, "lblResult");
    // Shown as a wrong answer, every letter red; a new width fits it again.
    result->setText(markAnswer(word, QString()));
    window.resize(windowWidth, 381);
    QTRY_COMPARE(result->width(), windowWidth - 20);

    const Fit fit = labelFit(result);
    const int size = result->font().pointSize();
    QCOMPARE(fit.text, word);
    QVERIFY2(fit.fits(), qPrintable(fit.says() + QStringLiteral(" at %1 points").arg(size)));
    QVERIFY2(smaller ? size < 32 && size >= 14 : size == 32, qPrintable(QString::number(size)));
}

QTEST_MAIN(TestLook)
void TestLook::language_firstOfTheDesktopsThatWeHave_data()
{
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("help"); // the page F1 opens, with main.fr.html there and no other translation
    QTest::addRow("none") << QStringList{} << ""
                          << "main.html";
    QTest::addRow("French of Switzerland") << QStringList{"fr-CH", "fr"} << "fr"
                                           << "main.fr.html";
    QTest::addRow("as LANG writes it") << QStringList{"fr_BE.UTF-8"} << "fr"
                                       << "main.fr.html";
    QTest::addRow("a language we lack, then Spanish") << QStringList{"it-IT", "ES"} << "es"
                                                      << "main.html";
    QTest::addRow("English before Spanish") << QStringList{"en-GB", "es-ES"} << ""
                                            << "main.html";
    QTest::addRow("Spanish before English") << QStringList{"es-MX", "en-US"} << "es"
                                            << "main.html";
    QTest::addRow("only languages we lack") << QStringList{"it", "pt-BR"} << ""
                                            << "main.html";
}

void TestLook::language_firstOfTheDesktopsThatWeHave()
{
    QFETCH(QStringList, desktop);
    QFETCH(QString, chosen);
    QFETCH(QString, help);
    QCOMPARE(chooseLanguage(desktop), chosen);
    const QString folder = env->root();
    QVERIFY(writeFile(folder + QStringLiteral("/main.html"), "") &&
            writeFile(folder + QStringLiteral("/main.fr.html"), ""));
    QCOMPARE(helpPage(folder, chosen), folder + QLatin1Char('/') + help);
}

// Texts of the main window and the Settings window as the desktop's language shows them; English when it is none
// of the program's.
void TestLook::windows_speakTheDesktopLanguage_data()
{
    QTest::addColumn<bool>("settings"); // the Settings window, or the main window
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("text");
    struct Shown
    {
        const char* language;
        bool settings;
        const char* object;
        const char* property;
        const char* text;
    };
    static const Shown shown[] = {
        {"", false, "btnAgain", "text", "Again"},
        {"", false, "lblNumber", "text", "Test number: 0/10"},
        {"", false, "acStart", "toolTip", "Start a test (F5)"},
        {"", false, "acDictionaries", "toolTip", "Choose the dictionaries a test draws from (Ctrl+D)"},
        {"", true, "dlgSettings", "windowTitle", "Settings"},
        {"", true, "chbUpdates", "text", "Check for &updates"},
        {"", true, "label_3", "text", "Test &number:"},
        {"de", false, "btnAgain", "text", "Nochmal"},
        {"de", false, "lblNumber", "text", "Wort: 0/10"},
        {"de", false, "acStart", "toolTip", "Ein Diktat starten (F5)"},
        {"de", false, "acDictionaries", "toolTip",
         "Die Wörterbücher wählen, aus denen die Diktate ihre Wörter nehmen (Ctrl+D)"},
        {"de", true, "dlgSettings", "windowTitle", "Einstellungen"},
        {"de", true, "chbUpdates", "text", "Nach &Updates suchen"},
        {"de", true, "label_3", "text", "&Wortanzahl:"},
        {"fr", false, "btnAgain", "text", "Réécouter"},
        {"fr", false, "lblNumber", "text", "Mot\u00a0: 0/10"},
        {"fr", false, "acStart", "toolTip", "Démarrer une dictée (F5)"},
        {"fr", false, "acDictionaries", "toolTip",
         "Choisir les dictionnaires d'où viennent les mots des dictées (Ctrl+D)"},
        {"fr", true, "dlgSettings", "windowTitle", "Paramètres"},
        {"fr", true, "chbUpdates", "text", "&Vérifier les mises à jour"},
        {"fr", true, "label_3", "text", "&Longueur\u00a0:"},
        {"es", false, "btnAgain", "text", "Repetir"},
        {"es", false, "lblNumber", "text", "Palabra: 0/10"},
        {"es", false, "acStart", "toolTip", "Empezar un dictado (F5)"},
        {"es", false, "acDictionaries", "toolTip",
         "Elegir de qué diccionarios salen las palabras del dictado (Ctrl+D)"},
        {"es", true, "dlgSettings", "windowTitle", "Configuración"},
        {"es", true, "chbUpdates", "text", "Buscar act&ualizaciones"},
        {"es", true, "label_3", "text", "&Palabras:"},
    };
    const QString language = chooseLanguage(QLocale::system().uiLanguages());
    for (const Shown& row : shown)
        if (language == QLatin1String(row.language))
            QTest::addRow("%s: %s %s", *row.language ? row.language : "en", row.object, row.property)
                << row.settings << QString::fromLatin1(row.object) << QByteArray(row.property)
                << QString::fromUtf8(row.text);
}

void TestLook::windows_speakTheDesktopLanguage()
{
    QFETCH(bool, settings);
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QString, text);
    std::unique_ptr<QWidget> window(settings ? static_cast<QWidget*>(new dlgSettings(nullptr))
                                             : new MainWindow(nullptr));
    QObject* shown = window->objectName() == object ? window.get() : window->findChild<QObject*>(object);
    QVERIFY(shown != nullptr);
    QCOMPARE(shown->property(property.constData()).toString(), text);
}

#include "tst_look.moc"
