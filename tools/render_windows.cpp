// Renders both windows to PNG files, the way they look on screen, for the documentation and for
// comparing a change with the layout it must keep. Runs without a display (offscreen).
//
//   render_windows OUTDIR
//
// writes selection.png, sheet.png (the window at its opening size), sheet-content.png (the whole
// scrolled content) and sheet-scored.png (every correct box ticked but one, scored, answers shown).
#include "platform.h"
#include "unit1.h"
#include "unit2.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QScrollArea>

#include <cstdio>

using namespace Qt::StringLiterals;

static bool save(QWidget *widget, const QString &path)
{
    const bool ok = widget->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::Install();
    if (argc != 2) {
        std::fputs("usage: render_windows OUTDIR\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(u"."_s))
        return 1;

    TForm1 form1;
    Unit1::Form1 = &form1;
    TForm2 form2;
    Unit2::Form2 = &form2;

    bool ok = true;
    form1.show();
    ok &= save(&form1, out.filePath(u"selection.png"_s));

    form1.findChild<QPushButton *>(u"Button1"_s)->click();
    // As it opens on a screen large enough for it (the offscreen screen is smaller).
    form2.resize(1070, 651);
    ok &= save(&form2, out.filePath(u"sheet.png"_s));
    QWidget *content = form2.findChild<QScrollArea *>()->widget();
    ok &= save(content, out.filePath(u"sheet-content.png"_s));

    exam::AnswerKeyTable key;
    exam::LoadAnswerKey(0, key);
    for (qint32 q = 1; q <= exam::QuestionCount; ++q) {
        const qint32 choice = q == 7 ? 1 : key[q]; // one wrong answer, to show it stays black
        form2.findChild<QCheckBox *>(exam::ChoiceBoxName(exam::ChoiceBoxNumber(q, choice)))
            ->setChecked(true);
    }
    form2.findChild<QPushButton *>(u"Button1"_s)->click();
    form2.findChild<QPushButton *>(u"Button3"_s)->click();
    ok &= save(content, out.filePath(u"sheet-scored.png"_s));

    Unit2::Form2 = nullptr;
    Unit1::Form1 = nullptr;
    return ok ? 0 : 1;
}
