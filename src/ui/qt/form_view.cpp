// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/form_view.h"

#include <QApplication>
#include <QCoreApplication>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <optional>

#include "korvex_version.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/pictures.h"

namespace korvex {

namespace {

// The desktop's menu background: a light colour, readable on the dark blue of the score list.
QColor menuBackground() {
    const QColor menu = QApplication::palette("QMenu").color(QPalette::Window);
    return menu.lightness() >= 200 ? menu : QColor(0xf0, 0xf0, 0xf0);
}

std::optional<QColor> resolve(const Colour& colour) {
    switch (colour.role) {
        case Colour::Role::Rgb:
            return QColor(colour.r, colour.g, colour.b);
        case Colour::Role::MenuBackground:
            return menuBackground();
        case Colour::Role::DialogFace:
            return QApplication::palette().color(QPalette::Window);
        case Colour::Role::Transparent:
        case Colour::Role::Default:
            return std::nullopt;
    }
    return std::nullopt;
}

// How wide a dialog must be for the window manager to show its whole title beside the window's
// icon and buttons: the title in a bold face a little larger than the windows' own, and room for
// an icon and three buttons, as many title bars draw them.
int titleWidth(const QString& title) {
    QFont font = layoutFont(FontSpec{});
    font.setBold(true);
    font.setPixelSize(font.pixelSize() * 6 / 5);
    return QFontMetrics(font).horizontalAdvance(title) + 100;
}

bool clientPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QRect pixelRect(const ElementSpec& item) {
    return {twipsToPixels(item.left), twipsToPixels(item.top), twipsToPixels(item.width),
            twipsToPixels(item.height)};
}

Qt::Alignment horizontal(Align align) {
    switch (align) {
        case Align::Center:
            return Qt::AlignHCenter;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

// Colours and fonts are set on an element only where they differ from what it inherits from
// its window, which already has the layout's background and default font: most elements use
// those, and a palette or font of their own costs each of them a resolve and a relayout.
void setColours(QWidget* widget, const ElementSpec& item, QPalette::ColorRole foreRole,
                QPalette::ColorRole backRole) {
    QPalette palette = widget->palette();
    if (auto fore = resolve(item.fore)) palette.setColor(foreRole, *fore);
    const auto back = resolve(item.back);
    if (back) palette.setColor(backRole, *back);
    if (item.back.role == Colour::Role::Transparent) palette.setColor(backRole, Qt::transparent);
    if (palette != widget->palette()) widget->setPalette(palette);
    // Labels paint a background only when they have one of their own.
    if (backRole == QPalette::Window) widget->setAutoFillBackground(back.has_value());
}

void setFontIfOwn(QWidget* widget, const QFont& font) {
    if (font != widget->font()) widget->setFont(font);
}

QWidget* makeButton(const ElementSpec& item, const QString& text, QWidget* parent) {
    auto* button = new ElementButton(parent);
    setFontIfOwn(button, layoutFont(item.font));
    button->setGeometry(pixelRect(item));
    // Enter and Space press a focused button, as on any desktop dialog.
    button->setAutoDefault(true);
    if (item.role == ButtonRole::Default || item.role == ButtonRole::DefaultAndCancel)
        button->setDefault(true);
    if (item.role == ButtonRole::Cancel || item.role == ButtonRole::DefaultAndCancel)
        if (auto* dialog = dynamic_cast<FormDialog*>(parent)) dialog->cancelButton = button;
    button->setCaption(text);
    return button;
}

// A one-line label whose text is wider than its box (our substitute face runs a little wider
// than the one the layout was drawn with) grows away from its aligned edge instead of clipping.
QRect clientRect(const FormLayout& layout) {
    return QRect(0, 0, twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));
}

// The widest text a one-line label can show inside the window, growing away from its aligned
// edge: to the window's right edge, to its left edge, or evenly to both sides.
int widestFit(Align align, const QRect& box, const QRect& room) {
    const int toLeft = box.left() - room.left();
    const int toRight = room.right() - box.right();
    switch (align) {
        case Align::Right:
            return box.width() + toLeft;
        case Align::Center:
            return box.width() + 2 * std::min(toLeft, toRight);
        case Align::Left:
            break;
    }
    return box.width() + toRight;
}

// `room` is the window's client area as the layout gives it, whatever size the window has now.
void fitLabel(QLabel* label, const ElementSpec& item, const QRect& room) {
    QRect box = pixelRect(item);
    if (!label->wordWrap()) {
        // Back at the layout's size first: a new text may fit where the last one did not.
        QFont font = layoutFont(item.font);
        font.setBold(label->font().bold());
        setFontIfOwn(label, font);
        auto measure = [label] {
            return label->fontMetrics().horizontalAdvance(label->text()) + 2;
        };
        int need = measure();
        // Where even the window's edge leaves too little room, a pixel smaller still reads well.
        const int widest = widestFit(item.align, box, room);
        for (int px = font.pixelSize(); need > widest && px > 9;) {
            font.setPixelSize(--px);
            label->setFont(font);
            need = measure();
        }
        const int extra = need - box.width();
        if (extra > 0) {
            if (item.align == Align::Right)
                box.setLeft(std::max(room.left(), box.left() - extra));
            else if (item.align == Align::Center)
                box.adjust(-extra / 2, 0, extra - extra / 2, 0);
            else
                box.setWidth(need);
        }
    }
    label->setGeometry(box);
}

QWidget* makeLabel(const ElementSpec& item, const QString& text, QWidget* parent,
                   const QRect& room) {
    auto* label = new ElementLabel(parent);
    label->setLive(item.live);
    label->setLink(item.link);
    setFontIfOwn(label, layoutFont(item.font));
    label->setGeometry(pixelRect(item));
    // Shown as given: initials typed by the player may hold "&" or "<".
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(horizontal(item.align) | Qt::AlignTop);
    // A label tall enough for several lines wraps its text; a one-line caption stays on one line.
    label->setWordWrap(label->height() >= 2 * label->fontMetrics().lineSpacing());
    setColours(label, item, QPalette::WindowText, QPalette::Window);
    label->setText(text);
    fitLabel(label, item, room);
    return label;
}

void showBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

// A candidate, not a recorded score: lighter and in italics, so the two never look alike.
void showTentative(QWidget* widget, bool tentative) {
    QFont font = widget->font();
    font.setItalic(tentative);
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, tentative ? QColor(96, 96, 96) : QColor(Qt::black));
    widget->setPalette(palette);
}

QWidget* makeTextBox(const ElementSpec& item, const QString& text, QWidget* parent) {
    auto* box = new ElementTextBox(parent);
    setFontIfOwn(box, layoutFont(item.font));
    box->setGeometry(pixelRect(item));
    box->setAlignment(horizontal(item.align) | Qt::AlignVCenter);
    if (item.maxLength > 0) box->setMaxLength(item.maxLength);
    box->setReadOnly(item.readOnly);
    setColours(box, item, QPalette::Text, QPalette::Base);
    box->setText(text);
    return box;
}

QWidget* makeLine(const ElementSpec& item, QWidget* parent) {
    const QPoint from(twipsToPixels(item.left), twipsToPixels(item.top));
    const QPoint to(twipsToPixels(item.width), twipsToPixels(item.height));
    return new LineWidget(from, to, item.lineWidth, resolve(item.fore).value_or(Qt::black), parent);
}

QString spoken(const char* text) {
    return QCoreApplication::translate("Accessibility", text);
}

// A die picture as read aloud: "Die 2: 5". Whether it is held is its checked state.
QString spokenDie(const ElementSpec& item) {
    return item.accessibleName.isEmpty()
               ? spoken(QT_TRANSLATE_NOOP("Accessibility", "Die: %1")).arg(item.pips)
               : item.accessibleName;
}

// A score box read aloud: "Fours: 12", "Fours: 12 if scored now", "Fours: open"; a field the
// player types into is named by its label alone.
QString spokenBox(const Form& form, const ElementSpec& item, const FormModel::ElementState& state) {
    if (item.labelledBy.isEmpty()) return {};
    QString caption = form.model().text(item.labelledBy).trimmed();
    if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
    caption = caption.trimmed();
    if (!item.readOnly) return caption;
    if (state.tentative && !state.text.isEmpty())
        //: A score box showing what the dice would score there: "Ones: 2 if scored now".
        return spoken(QT_TRANSLATE_NOOP("Accessibility", "%1: %2 if scored now"))
            .arg(caption, state.text);
    //: A score box read aloud: its row's caption and its score, "Fours: 12".
    return spoken(QT_TRANSLATE_NOOP("Accessibility", "%1: %2"))
        .arg(caption, state.text.isEmpty()
                          //: A score box not filled yet.
                          ? spoken(QT_TRANSLATE_NOOP("Accessibility", "open"))
                          : state.text);
}

// Whether a later sibling, lying above it, hides the whole of the widget (New Game under START).
QWidget* coverOf(const QWidget* widget) {
    const QObjectList& siblings = widget->parentWidget()->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(widget)) + 1; i < siblings.size();
         ++i) {
        auto* above = qobject_cast<QWidget*>(siblings[i]);
        if (above && !above->isHidden() &&
            !above->testAttribute(Qt::WA_TransparentForMouseEvents) &&
            above->geometry().contains(widget->geometry()))
            return above;
    }
    return nullptr;
}

Qt::FocusPolicy focusPolicyOf(const ElementSpec& item) {
    if (item.tab < 0) return Qt::NoFocus;
    switch (item.kind) {
        // A die or a link takes the focus from Tab only: a click to hold a die or to follow a link
        // must leave the focus on Roll, where the forced-roll keys and Space are read.
        case ElementKind::Picture:
            return Qt::TabFocus;
        case ElementKind::Label:
            return item.link ? Qt::TabFocus : Qt::NoFocus;
        case ElementKind::Button:
        case ElementKind::TextBox:
            return Qt::StrongFocus;
        case ElementKind::Line:
        case ElementKind::Field:
            break;
    }
    return Qt::NoFocus;
}

}  // namespace

QString FormView::accessibleNameOf(const Form& form, int element) {
    const FormLayout& layout = form.layout();
    const ElementSpec& item = layout.elements.at(std::size_t(element));
    const FormModel::ElementState& state = form.model().state(element);
    switch (item.kind) {
        case ElementKind::Button:
            return plainCaption(state.text);
        case ElementKind::Label:
            return state.text;
        case ElementKind::TextBox:
            return spokenBox(form, item, state);
        case ElementKind::Picture:
            if (item.picture == PictureKind::DieFace) return spokenDie(item);
            if (item.picture == PictureKind::RollFace)
                //: The roll indicator: which roll of the turn this is.
                return spoken(QT_TRANSLATE_NOOP("Accessibility", "Roll %1")).arg(item.pips);
            if (item.picture == PictureKind::AppIcon)
                //: The game's icon in the About window; %1 is the game's name.
                return spoken(QT_TRANSLATE_NOOP("Accessibility", "%1 icon"))
                    .arg(QString::fromLatin1(version::kTitle));
            return {};
        case ElementKind::Line:
        case ElementKind::Field:
            return {};
    }
    return {};
}

FormView::FormView(Form& form, QWidget* ownerTop, IsOpen isOpen) : m_form(form) {
    const FormLayout& layout = form.layout();
    if (layout.frame == FrameStyle::FixedWindow) {
        auto* frame = new FormWindow;
        m_top = frame;
        m_hooks = &frame->hooks;
    } else {
        auto* frame = new FormDialog(ownerTop);
        m_top = frame;
        m_hooks = &frame->hooks;
    }
    QWidget* top = m_top;
    top->setWindowTitle(layout.caption);
    top->setWindowIcon(appIcon());
    top->setFont(layoutFont(layout.defaultFont));
    if (auto background = resolve(layout.background)) {
        QPalette palette = top->palette();
        palette.setColor(QPalette::Window, *background);
        top->setPalette(palette);
        top->setAutoFillBackground(true);
    }
    for (const ElementSpec& item : layout.elements)
        if (!item.describedBy.isEmpty()) m_describing.insert(item.describedBy);
    // Only what is on screen at the start is built now; the rest (the dice faces not showing,
    // the roll indicator, the coach's panel) is built when it first shows. Later elements are
    // created later and so lie above earlier ones where they overlap.
    // A dialog too narrow for its title is made wider, its elements centred in it as they were.
    if (layout.frame == FrameStyle::FixedDialog)
        m_shift = std::max(0, titleWidth(layout.caption) - clientRect(layout).width()) / 2;
    m_widgets.resize(layout.elements.size());
    for (int i = 0; i < int(layout.elements.size()); ++i)
        if (form.model().state(i).visible) m_widgets[std::size_t(i)] = buildElement(i, top);
    chainTabOrder();
    uncover();
    addShortcuts(isOpen);
    place(ownerTop);
}

void FormView::addShortcuts(const IsOpen& isOpen) {
    Form* form = &m_form;
    for (const ElementSpec& item : form->layout().elements) {
        if (item.shortcut.isEmpty()) continue;
        auto* shortcut = new QShortcut(QKeySequence(item.shortcut), m_top);
        QObject::connect(shortcut, &QShortcut::activated, m_top, [isOpen, form, item] {
            const FormModel& model = form->model();
            if (isOpen(*form) && model.visible(item.name) && model.enabled(item.name))
                form->click(item.name);
        });
    }
    for (const FormLayout::Shortcut& key : form->layout().shortcuts) {
        auto* shortcut = new QShortcut(QKeySequence(key.keys), m_top);
        QObject::connect(shortcut, &QShortcut::activated, m_top, [isOpen, form, key] {
            if (isOpen(*form)) form->command(key.command);
        });
    }
}

QWidget* FormView::widget(int index) {
    QWidget* widget = m_widgets.at(std::size_t(index));
    const ElementSpec& item = m_form.layout().elements[std::size_t(index)];
    if (widget || item.kind == ElementKind::Field || !m_top) return widget;
    widget = buildElement(index, m_top);
    m_widgets[std::size_t(index)] = widget;
    // Into the stacking order where it would have been had it been built with the window: just
    // below the first later element that exists, so it still lies above every earlier one.
    for (std::size_t j = std::size_t(index) + 1; j < m_widgets.size(); ++j) {
        if (QWidget* later = m_widgets[j]) {
            widget->stackUnder(later);
            break;
        }
    }
    if (item.tab >= 0) chainTabOrder();
    return widget;
}

QWidget* FormView::buildElement(int index, QWidget* parent) {
    const ElementSpec& item = m_form.layout().elements[std::size_t(index)];
    const FormModel::ElementState& state = m_form.model().state(index);
    QWidget* widget = nullptr;
    switch (item.kind) {
        case ElementKind::Button:
            widget = makeButton(item, state.text, parent);
            break;
        case ElementKind::Label:
            widget = makeLabel(item, state.text, parent, clientRect(m_form.layout()));
            break;
        case ElementKind::TextBox:
            widget = makeTextBox(item, state.text, parent);
            break;
        case ElementKind::Picture: {
            auto* picture = new PictureWidget(item.picture, item.pips, parent);
            picture->setToggle(item.toggle);
            picture->setPictureGeometry(pixelRect(item));
            picture->setBorder(state.border);
            widget = picture;
            break;
        }
        case ElementKind::Line:
            widget = makeLine(item, parent);
            break;
        case ElementKind::Field:
            return nullptr;  // hidden state: nothing on screen
    }
    widget->move(widget->pos() + QPoint(m_shift, 0));
    widget->setObjectName(item.name);
    widget->setFocusPolicy(focusPolicyOf(item));
    if (state.bold != item.font.bold) showBold(widget, state.bold);
    if (state.tentative) showTentative(widget, true);
    widget->setEnabled(state.enabled);
    widget->setVisible(state.visible);
    nameForScreenReaders(index, widget);
    wireElement(index, widget);
    return widget;
}

void FormView::nameForScreenReaders(int index, QWidget* widget) {
    const ElementSpec& item = m_form.layout().elements[std::size_t(index)];
    // A rule only decorates, and a mark is read as part of what it describes.
    if (item.kind == ElementKind::Line || m_describing.contains(item.name))
        widget->setProperty(kOutOfAccessibleTree, true);
    const QString name = accessibleNameOf(m_form, index);
    if (!name.isEmpty()) widget->setAccessibleName(name);
    if (!item.describedBy.isEmpty()) widget->setAccessibleDescription(descriptionOf(item));
}

// What a screen reader hears after an element's name: the text of the mark that describes it,
// while that mark shows.
QString FormView::descriptionOf(const ElementSpec& item) const {
    const FormModel& model = m_form.model();
    return model.visible(item.describedBy) ? model.text(item.describedBy) : QString();
}

void FormView::describe(const QString& mark) {
    const auto& elements = m_form.layout().elements;
    for (std::size_t i = 0; i < elements.size(); ++i)
        if (elements[i].describedBy == mark && m_widgets[i])
            m_widgets[i]->setAccessibleDescription(descriptionOf(elements[i]));
}

// A button that another lies over takes no focus and is nothing to a screen reader; should it
// have the focus as it is covered, the focus goes to the one above it.
void FormView::uncover() {
    const auto& elements = m_form.layout().elements;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        QWidget* widget = m_widgets[i];
        if (!widget || elements[i].kind != ElementKind::Button) continue;
        QWidget* cover = widget->isHidden() ? nullptr : coverOf(widget);
        const bool covered = cover != nullptr;
        if (widget->property(kOutOfAccessibleTree).toBool() == covered) continue;
        widget->setProperty(kOutOfAccessibleTree, covered);
        widget->setFocusPolicy(covered ? Qt::NoFocus : focusPolicyOf(elements[i]));
        if (covered && widget->hasFocus() && cover->focusPolicy() != Qt::NoFocus)
            cover->setFocus(Qt::OtherFocusReason);
        announceChildrenChanged(widget);
    }
}

void FormView::wireElement(int index, QWidget* widget) {
    Form* form = &m_form;
    const QString name = form->layout().elements[std::size_t(index)].name;
    ElementHooks hooks;
    // Only a click that does something is one a screen reader may offer.
    if (form->handlesClick(name)) hooks.click = [form, name] { form->click(name); };
    hooks.key = [form, name](char16_t code) { form->keyPress(name, code); };
    hooks.navigate = [form, name](NavigationKey key) { return form->navigate(name, key); };
    if (auto* button = dynamic_cast<ElementButton*>(widget)) {
        button->hooks = hooks;
        QObject::connect(button, &QPushButton::clicked, button,
                         [form, name] { form->click(name); });
    } else if (auto* label = dynamic_cast<ElementLabel*>(widget)) {
        label->hooks = hooks;
    } else if (auto* box = dynamic_cast<ElementTextBox*>(widget)) {
        box->hooks = hooks;
        // Every change of the field's text reaches the handler once: typing, and also text set
        // by assistive technology or an input method. Text set from the model is not echoed.
        QObject::connect(box, &QLineEdit::textChanged, box, [form, name](const QString& text) {
            if (form->model().text(name) == text) return;
            form->model().setText(name, text);
            form->textChanged(name);
        });
    } else if (auto* picture = dynamic_cast<PictureWidget*>(widget)) {
        picture->hooks = hooks;
    }
}

void FormView::mirror(int index, FormModel::Change change) {
    using Change = FormModel::Change;
    const FormModel::ElementState& state = m_form.model().state(index);
    const ElementSpec& item = m_form.layout().elements[std::size_t(index)];
    QWidget* widget = m_widgets.at(std::size_t(index));
    if (!widget) {
        // An element not built yet is built from the model when it shows, as it is then; the
        // focus and a selection need the widget at once.
        const bool shows = change == Change::Visible && state.visible;
        if (!shows && change != Change::Focus && change != Change::SelectAll) return;
        widget = this->widget(index);
        if (!widget) return;
        if (shows) return shown(item, widget);
    }
    switch (change) {
        case Change::Text:
            showText(item, state.text, widget);
            break;
        case Change::Visible:
            widget->setVisible(state.visible);
            return shown(item, widget);
        case Change::Enabled:
            widget->setEnabled(state.enabled);
            break;
        case Change::Border:
            if (auto* picture = dynamic_cast<PictureWidget*>(widget)) {
                picture->setBorder(state.border);
                announceChecked(picture);
            }
            break;
        case Change::Bold:
            showBold(widget, state.bold);
            break;
        case Change::Tentative:
            showTentative(widget, state.tentative);
            break;
        case Change::Focus:
            widget->setFocus(Qt::OtherFocusReason);
            break;
        case Change::SelectAll:
            if (auto* box = dynamic_cast<QLineEdit*>(widget)) box->selectAll();
            break;
    }
    if (change == Change::Text || change == Change::Tentative) renamed(index, widget);
}

void FormView::showText(const ElementSpec& item, const QString& text, QWidget* widget) {
    if (auto* button = dynamic_cast<ElementButton*>(widget)) button->setCaption(text);
    if (auto* label = dynamic_cast<QLabel*>(widget)) {
        label->setText(text);
        fitLabel(label, item, clientRect(m_form.layout()));
        label->move(label->pos() + QPoint(m_shift, 0));
    }
    if (auto* box = dynamic_cast<QLineEdit*>(widget); box && box->text() != text)
        box->setText(text);
}

// An element came into view or went from it: the window holds other things now.
void FormView::shown(const ElementSpec& item, QWidget* widget) {
    announceChildrenChanged(widget);
    if (m_describing.contains(item.name)) describe(item.name);
    if (item.kind == ElementKind::Button) uncover();
}

// A new text gives the element a new name, and a score box is named after its row's label, so a
// new caption renames the boxes too; a mark's new text is a new description of what it marks.
void FormView::renamed(int index, QWidget* widget) {
    const QString name = accessibleNameOf(m_form, index);
    if (!name.isEmpty()) widget->setAccessibleName(name);
    const auto& elements = m_form.layout().elements;
    const QString& element = elements[std::size_t(index)].name;
    if (m_describing.contains(element)) describe(element);
    if (!dynamic_cast<QLabel*>(widget)) return;
    for (std::size_t i = 0; i < elements.size(); ++i)
        if (elements[i].labelledBy == element && m_widgets[i])
            m_widgets[i]->setAccessibleName(accessibleNameOf(m_form, int(i)));
}

void FormView::chainTabOrder() {
    const auto& elements = m_form.layout().elements;
    m_tabOrder.clear();
    std::vector<std::pair<int, QWidget*>> order;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        // Every element with a tab place, also one that takes no focus just now (a covered
        // button), so that it has its place once it takes the focus again.
        QWidget* widget = m_widgets[i];
        if (widget && focusPolicyOf(elements[i]) != Qt::NoFocus)
            order.emplace_back(elements[i].tab, widget);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
    for (const auto& entry : order) m_tabOrder.emplace_back(entry.second);
}

void FormView::place(QWidget* ownerTop) {
    const FormLayout& layout = m_form.layout();
    QWidget* top = m_top;
    const QSize size(twipsToPixels(layout.clientWidth) + 2 * m_shift,
                     twipsToPixels(layout.clientHeight));
    // The layout is absolute: a larger window would only show more background, a smaller one
    // would cut elements off.
    top->setFixedSize(size);
    // A Wayland compositor places every window itself (a dialog over its owner, which Qt names
    // to it) and never tells a client where anything is: a position asked for would be ignored.
    if (!clientPlacesWindows()) return;
    QPoint centre;
    if (layout.start == StartPosition::CenterOwner && ownerTop) {
        centre = ownerTop->geometry().center();
    } else {
        QScreen* screen = top->screen() ? top->screen() : QGuiApplication::primaryScreen();
        centre =
            screen ? screen->availableGeometry().center() : QPoint(size.width(), size.height());
    }
    top->move(centre - QPoint(size.width() / 2, size.height() / 2));
}

}  // namespace korvex
