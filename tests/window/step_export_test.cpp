// The step window's export: the name the dialog confirmed becomes the file
// really written, a failure or a refused name reaches the user, the dialog
// opens where the last export or save went, a cancelled PDF writes nothing,
// and the handout carries its title, date, key and the sections as they are
// folded in the window, and a section folded since it was first shown is
// printed once.

#include "companions/Companions.h"
#include "stepwindow/Handout.h"
#include "stepwindow/StepWindow.h"
#include "testing/QtApplication.h"
#include "testing/RecordingWindow.h"
#include "testing/WorkedExample.h"
#include "window/QtInteraction.h"
#include "window/QtText.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace rsa {
namespace {

using Message = testing::RecordingWindow::Message;

TEST(ExportTarget, AddsTheExtensionAndRefusesNamesTooLongForAFileSystem) {
    const QString long251(251, QLatin1Char('a'));
    // ş is two bytes in UTF-8, so 125 of them and ".html" make 255 bytes.
    const QString turkish = QString(125, QChar(0x015F));
    const struct {
        QString name;
        QString path; // empty: refused
        ExportType type;
    } cases[] = {
        {QStringLiteral("/d/notes"), QStringLiteral("/d/notes.html"), ExportType::Html},
        {QStringLiteral("/d/notes.html"), QStringLiteral("/d/notes.html"), ExportType::Html},
        {QStringLiteral("/d/notes.PDF"), QStringLiteral("/d/notes.PDF"), ExportType::Pdf},
        {QStringLiteral("/d/notes.pdf.txt"), QStringLiteral("/d/notes.pdf.txt"), ExportType::Html},
        {QStringLiteral("/d/") + long251.left(250),
         QStringLiteral("/d/") + long251.left(250) + ".html", ExportType::Html},
        {QStringLiteral("/d/") + long251, QString(), ExportType::Html},
        {QStringLiteral("/d/") + turkish, QStringLiteral("/d/") + turkish + ".html",
         ExportType::Html},
        {QStringLiteral("/d/") + turkish + QChar(0x015F), QString(), ExportType::Html},
    };
    for (const auto& each : cases) {
        const std::variant<ExportTarget, QString> target = exportTarget(each.name);
        if (each.path.isEmpty()) {
            ASSERT_TRUE(std::holds_alternative<QString>(target)) << each.name.toStdString();
            EXPECT_TRUE(std::get<QString>(target).endsWith(QStringLiteral("bu ad 256 bayt.")) ||
                        std::get<QString>(target).endsWith(QStringLiteral("bu ad 257 bayt.")))
                << std::get<QString>(target).toStdString();
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<ExportTarget>(target)) << each.name.toStdString();
        EXPECT_EQ(std::get<ExportTarget>(target).path, each.path);
        EXPECT_EQ(std::get<ExportTarget>(target).type, each.type) << each.name.toStdString();
    }
}

// Qt's own export dialog, answered as a learner would: a name typed into it,
// the type picked from its list, and Enter; a question to replace a file is
// recorded and answered yes. Gives what the dialog handed back.
struct TypedExport {
    QString typed;
    int filter; // 0 HTML, 1 PDF
    QString written;
    QString replaceQuestion; // empty: none asked
};

TEST(ExportDialog, WritesTheFileItConfirmedWithTheChosenTypesExtension) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile old(folder.filePath(QStringLiteral("ders.html")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    TypedExport cases[] = {
        {QStringLiteral("ders."), 0, QStringLiteral("ders.html"), QStringLiteral("ders.html")},
        {QStringLiteral("Ders 8.1"), 1, QStringLiteral("Ders 8.1.pdf"), {}},
        {QStringLiteral("notlar.PDF"), 1, QStringLiteral("notlar.PDF"), {}},
        {QStringLiteral("notlar.pdf"), 0, QStringLiteral("notlar.pdf.html"), {}},
    };
    QWidget parent;
    QtInteraction interaction(parent);
    for (TypedExport& each : cases) {
        QString asked;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectNameFilter(dialog->nameFilters().value(each.filter));
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(each.typed);
            QTimer::singleShot(0, [&] {
                if (auto* question =
                        qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked = question->text();
                    question->button(QMessageBox::Yes)->click();
                }
            });
            QTest::keyClick(name, Qt::Key_Return);
        });
        const std::optional<std::string> chosen = interaction.chooseFileToExport(
            "HTML dosyası|*.html|PDF dosyası|*.pdf", folder.path().toStdString());
        ASSERT_TRUE(chosen) << each.typed.toStdString();
        EXPECT_EQ(QFileInfo(toQt(*chosen)).fileName().toStdString(), each.written.toStdString());
        EXPECT_TRUE(asked.contains(each.replaceQuestion)) << asked.toStdString();
        EXPECT_EQ(asked.isEmpty(), each.replaceQuestion.isEmpty()) << asked.toStdString();
    }
}

// handout_pdf checks on the printed lesson that a refusal is its one
// paragraph and a section computed twice is printed once; folding is what the
// lesson does not do.
TEST(HandoutSections, ASectionFoldedInTheWindowIsStillTheSameSection) {
    using explain::Fold;
    const explain::Section key{"Anahtar",
                               {{"Öklid", Fold::Open, {explain::Table{{"r"}, {{"17"}}}}}}};
    explain::Section folded = key;
    folded.groups[0].fold = Fold::Folded;
    EXPECT_EQ(sectionsOnPaper({key, folded}).size(), 1u);
}

struct StepExportTest : ::testing::Test {
    testing::RecordingWindow answers;
    MainWindow main{answers};
    Companions beside{main};
    StepWindow* steps = nullptr;
    QTemporaryDir folder;

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        main.show();
        steps = &beside.openSteps();
        testing::typeWorkedExample(main);
        testing::clickEach(main, {"cmdHesapla", "cmdenc", "cmddec"});
    }
    void clickExport(const std::optional<QString>& answer) {
        answers.fileAnswers.push_back(answer ? std::optional(answer->toStdString()) : std::nullopt);
        for (auto* button : steps->findChildren<QAbstractButton*>()) {
            if (button->text() == QStringLiteral("Dışa aktar")) {
                QTest::mouseClick(button, Qt::LeftButton);
            }
        }
    }
    QString path(const char* name) { return folder.filePath(QLatin1String(name)); }
    QByteArray read(const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
};

TEST_F(StepExportTest, TheDialogOpensWhereTheLastExportWentAndFailuresAreShown) {
    QFile old(path("notes"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    clickExport(path("missing/notes.html"));
    clickExport(path("notes"));
    clickExport(path("handout.pdf"));
    clickExport(std::nullopt);
    clickExport(folder.filePath(QString(252, QLatin1Char('x'))));

    // The first dialog opens where the program was started; after the
    // failure still there, after a success in that file's folder.
    ASSERT_EQ(answers.dialogFolders.size(), 5u);
    EXPECT_EQ(answers.dialogFolders[0], "");
    EXPECT_EQ(answers.dialogFolders[1], "");
    EXPECT_EQ(answers.dialogFolders[2], QDir(folder.path()).absolutePath().toStdString());
    EXPECT_EQ(answers.messages,
              (std::vector<Message>{
                  {"Dosya kaydedilemedi: No such file or directory", "Dışa aktar"},
                  {"Dosya adı çok uzun: uzantısıyla birlikte en çok 255 bayt olabilir, bu ad "
                   "257 bayt.",
                   "Dışa aktar"}}));
    // A name without an extension is written with the filter's, never over
    // the file without one.
    EXPECT_EQ(read(path("notes")), "old");
    EXPECT_TRUE(read(path("notes.html")).startsWith("<!DOCTYPE html>"));
    EXPECT_TRUE(read(path("handout.pdf")).startsWith("%PDF-"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3);

    // The main window's Save opens where the export went too.
    answers.fileAnswers.push_back(std::nullopt);
    QTest::mouseClick(main.findChild<QAbstractButton*>(QStringLiteral("cmdenc")), Qt::LeftButton);
    main.findChild<QAction*>(QStringLiteral("mnuItemSave"))->trigger();
    EXPECT_EQ(answers.dialogFolders.back(), QDir(folder.path()).absolutePath().toStdString());
}

TEST_F(StepExportTest, TheHandoutNamesTheKeyAndPrintsWhatTheWindowShowsOpen) {
    ASSERT_EQ(steps->exportChosen(path("a")), path("a.html"));
    const QString page = QString::fromUtf8(read(path("a.html")));
    for (const char* text : {"<title>RSA adım adım: ders notu</title>", "@page", "sans-serif",
                             "@media print", "<thead>", "<p class=\"meta\">Tarih: ",
                             "Anahtar: p = 61, q = 53, n = 3233, e = 17, d = 2753",
                             // The first block's table is open in the window, the second folded.
                             "<td>1730</td>", "<h3>Blok 2: c₂ = 34¹⁷ mod 3233 = 180</h3>"}) {
        EXPECT_TRUE(page.contains(QString::fromUtf8(text))) << text;
    }
    EXPECT_FALSE(page.contains(QStringLiteral("▸")));
    // 180 is c₂; 34² = 1156 is the first square of its folded table.
    EXPECT_FALSE(page.contains(QStringLiteral("<td>1156</td>")));
    steps->toggleFold(1, 2);
    ASSERT_TRUE(steps->exportChosen(path("b.html")));
    EXPECT_TRUE(QString::fromUtf8(read(path("b.html"))).contains(QStringLiteral("<td>1156</td>")));
}

TEST_F(StepExportTest, ACancelledPdfWritesNothing) {
    // Thirty different cards: the handout prints a section repeated alike once.
    for (int i = 0; i < 30; ++i) {
        main.writeText(TextBox::txt1, std::to_string(1000 + i));
        QTest::mouseClick(main.findChild<QAbstractButton*>(QStringLiteral("cmdenc")),
                          Qt::LeftButton);
    }
    // The cancel button of the progress dialog, pressed as soon as it exists.
    QTimer press;
    QObject::connect(&press, &QTimer::timeout, [this] {
        if (auto* progress = steps->findChild<QProgressDialog*>()) {
            progress->findChild<QPushButton*>()->click();
        }
    });
    press.start(0);
    bool cancelled = false;
    EXPECT_EQ(steps->exportTo({path("c.pdf"), ExportType::Pdf}, &cancelled), std::nullopt);
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(QFile::exists(path("c.pdf")));
    EXPECT_TRUE(answers.messages.empty());
}

} // namespace
} // namespace rsa
