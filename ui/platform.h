#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringView>

#include <exception>
#include <utility>

class QLabel;
class QWidget;

// What the windows need of the desktop beyond plain Qt widgets: the fixed Japanese font at pixel
// heights, the named colours of the stored layouts, the look of framed groups and raised panels,
// and the reporting of an error raised inside an event handler.
namespace platform {

inline constexpr QStringView FontFamily = u"ＭＳ Ｐゴシック";

// Pins the widget style and palette and registers the fonts that stand in for FontFamily.
// Call once, after the QApplication exists and before any window is built.
void Install();

// The text that names the program in message boxes (and, through the desktop entry, the task bar).
QString ApplicationTitle();
void SetApplicationTitle(const QString &title);

// FontFamily at a character height of `pixels`.
QFont PixelFont(int pixels);

// The named colours a stored layout may use: the system's clBtnFace and clWindowText, and the
// fixed clSilver, clGray and clRed. An unknown name gives an invalid colour.
QColor NamedColour(QStringView name);

inline const QColor PlainChoiceText{0, 0, 0};
inline const QColor HighlightedChoiceText{255, 0, 0};

// Applies what a stored layout keeps in dynamic properties of its widgets, which Designer files
// cannot say directly: `fontPixelSize` (int), `fillColour` and `textColour` (colour names) and
// `autoSize` (a label that fits its text). Children inherit fonts and colours as usual.
void ApplyStoredLook(QWidget *window);

// Sets a label's text, refitting it if the layout marks it as auto-sized.
void SetCaption(QLabel *label, const QString &text);

// Shows an error that escaped a handler to the user; the program then goes on.
void ReportError(QWidget *owner, const std::exception &error);

// Runs an event handler's steps, reporting anything they raise instead of letting it unwind
// through the event loop.
template <typename Steps> void Guarded(QWidget *owner, Steps &&steps)
{
    try {
        std::forward<Steps>(steps)();
    } catch (const std::exception &error) {
        ReportError(owner, error);
    }
}

} // namespace platform
