#include "platform.h"

#include "checked.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace platform {

namespace {
QString &applicationTitle()
{
    static QString title;
    return title;
}
} // namespace

void Install()
{
    // The classic Windows look: captions in the top edge of a group's frame, raised panels with
    // a bevel, white check boxes. Pinned, because the offscreen platform and a bare X server
    // would otherwise pick different styles.
    QApplication::setStyle(QStyleFactory::create(u"Windows"_s));
    QApplication::setPalette(QApplication::style()->standardPalette());

    // Linux has no ＭＳ Ｐゴシック; IPA's proportional gothic is its usual stand-in there.
    QFont::insertSubstitutions(FontFamily.toString(), {u"IPAPGothic"_s, u"Noto Sans CJK JP"_s});
    QApplication::setFont(PixelFont(12));
}

QString ApplicationTitle()
{
    return applicationTitle();
}

void SetApplicationTitle(const QString &title)
{
    applicationTitle() = title;
}

QFont PixelFont(int pixels)
{
    QFont font(FontFamily.toString());
    font.setPixelSize(pixels);
    return font;
}

QColor NamedColour(QStringView name)
{
    if (name == u"clBtnFace")
        return QGuiApplication::palette().color(QPalette::Window);
    if (name == u"clWindowText")
        return QGuiApplication::palette().color(QPalette::WindowText);
    if (name == u"clSilver")
        return QColor(192, 192, 192);
    if (name == u"clGray")
        return QColor(128, 128, 128);
    if (name == u"clRed")
        return QColor(255, 0, 0);
    return {};
}

static void applyOne(QWidget *widget, bool isWindow)
{
    if (const QVariant pixels = widget->property("fontPixelSize"); pixels.isValid()) {
        // Only the size is set on children, so the family set on the window is inherited.
        QFont font = isWindow ? PixelFont(pixels.toInt()) : QFont();
        font.setPixelSize(pixels.toInt());
        widget->setFont(font);
    }
    if (const QVariant fill = widget->property("fillColour"); fill.isValid()) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, NamedColour(fill.toString()));
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    }
    if (const QVariant ink = widget->property("textColour"); ink.isValid()) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, NamedColour(ink.toString()));
        widget->setPalette(palette);
    }
}

void ApplyStoredLook(QWidget *window)
{
    applyOne(window, true);
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (QWidget *child : children)
        applyOne(child, false);
    // Fit auto-sized labels only once every font is in place.
    for (QWidget *child : children)
        if (auto *label = qobject_cast<QLabel *>(child);
            label && label->property("autoSize").toBool())
            label->adjustSize();
}

void SetCaption(QLabel *label, const QString &text)
{
    label->setText(text);
    if (label->property("autoSize").toBool())
        label->adjustSize();
}

void ReportError(QWidget *owner, const std::exception &error)
{
    const QString what = QString::fromLocal8Bit(error.what());
    const QString text = dynamic_cast<const exam::OverflowError *>(&error)
                             ? u"整数オーバーフローが発生しました。"_s
                             : u"内部エラーが発生しました。"_s;
    QMessageBox::critical(owner, ApplicationTitle(), text + u"\n\n"_s + what);
}

} // namespace platform
