// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stored layout of a window: what every element is when the window is created, as a table.
// Positions and sizes are in twips (15 twips = 1 pixel at 96 dpi), measured from the top left of
// the client area. The Qt toolkit builds real widgets from this table; the in-memory toolkit and
// the form model only need the names, texts and starting flags.

#include <QString>
#include <cstdint>
#include <vector>

namespace korvex {

inline constexpr int kTwipsPerPixel = 15;

enum class ElementKind {
    Button,   // push button
    Label,    // static text, clickable
    TextBox,  // single-line text field
    Picture,  // a drawn picture (die face, roll indicator, program icon)
    Line,     // a straight rule; Left/Top/Width/Height hold x1, y1, x2, y2
    Field,    // a hidden state field: holds text, never shown
};

enum class Align { Left, Center, Right };

// A colour either given as RGB or taken from the desktop's palette.
struct Colour {
    enum class Role : std::uint8_t {
        Default,         // whatever the element kind normally uses
        Rgb,             // the triple below
        Transparent,     // draw nothing: the window's background shows through
        MenuBackground,  // the system's menu background, a light colour
        DialogFace,      // the system's dialog face colour
    };
    Role role = Role::Default;
    std::uint8_t r = 0, g = 0, b = 0;

    static constexpr Colour rgb(int red, int green, int blue) {
        return {Role::Rgb, std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)};
    }
    static constexpr Colour of(Role role) { return {role, 0, 0, 0}; }
    friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kTeal = Colour::rgb(0, 128, 128);
inline constexpr Colour kDarkBlue = Colour::rgb(0, 0, 192);
inline constexpr Colour kBlack = Colour::rgb(0, 0, 0);
inline constexpr Colour kWhite = Colour::rgb(255, 255, 255);
inline constexpr Colour kRed = Colour::rgb(255, 0, 0);
inline constexpr Colour kGrey = Colour::rgb(128, 128, 128);

struct FontSpec {
    QString family = QStringLiteral("MS Sans Serif");
    double points = 8.25;
    bool bold = false;
    bool underline = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

enum class PictureKind { None, DieFace, RollFace, AppIcon };

// Which key presses a button: Enter (default), Escape (cancel), or both.
enum class ButtonRole { Normal, Default, Cancel, DefaultAndCancel };

struct ElementSpec {
    QString name;
    ElementKind kind = ElementKind::Label;
    int left = 0, top = 0, width = 0, height = 0;  // twips; for a Line: x1, y1, x2, y2
    QString caption;                               // caption or starting text
    FontSpec font;
    Align align = Align::Left;
    Colour fore;
    Colour back;
    int tab = -1;  // focus order, lower first; -1 = takes no focus
    bool visible = true;
    bool enabled = true;
    int lineWidth = 1;  // Line only, in pixels at 96 dpi
    PictureKind picture = PictureKind::None;
    int pips = 0;           // DieFace: 1..6; RollFace: 1..3
    int maxLength = 0;      // TextBox: 0 = no limit
    bool readOnly = false;  // TextBox: clickable but takes no typed text
    ButtonRole role = ButtonRole::Normal;
    // A key that clicks the element from anywhere in its window ("Ctrl+T"), as long as it shows.
    QString shortcut;
    // What a screen reader calls a picture ("Die 2: 4"); empty for the name its kind gives.
    QString accessibleName;
    // TextBox: the label whose caption names it ("Label5" for the Fours box), if any.
    QString labelledBy;
    // Label: a link. It takes the focus from Tab (a click leaves the focus where it was), Space
    // and Enter press it, and a screen reader knows it as a link it can press.
    bool link = false;
    // Picture: a toggle, on while it carries its border (a held die); a screen reader hears it
    // as a toggle button, checked while on.
    bool toggle = false;
    // A label whose text, while it shows, tells a screen reader more about this element (the
    // coach's mark under a die). That label is then no element of its own to a screen reader.
    QString describedBy;
    // Label: a status line. Each new text it shows is announced to a screen reader.
    bool live = false;
};

// The board is a fixed window: the layout is absolute, so it neither grows nor shrinks, but it can
// be minimised. A fixed dialog has neither a minimise nor a maximise box.
enum class FrameStyle { FixedWindow, FixedDialog };
enum class StartPosition { CenterScreen, CenterOwner };

struct FormLayout {
    QString name;  // e.g. "Form1"
    QString caption;
    int clientWidth = 0, clientHeight = 0;  // twips
    Colour background = Colour::of(Colour::Role::DialogFace);
    FrameStyle frame = FrameStyle::FixedDialog;
    StartPosition start = StartPosition::CenterOwner;
    FontSpec defaultFont;
    std::vector<ElementSpec> elements;
    // Keys of the window that reach no element but a command of its own ("F1": "HowToPlay").
    struct Shortcut {
        QString keys;
        QString command;
    };
    std::vector<Shortcut> shortcuts;

    const ElementSpec* find(const QString& element) const;
};

}  // namespace korvex
