// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/element_widgets.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <cmath>

#include "ui/qt/pictures.h"

namespace korvex {

namespace {

// A die face is a 37-pixel picture and is shown at that size, never stretched.
constexpr int kDieFacePixels = 37;
// The program icon in the About window is a 32-pixel picture.
constexpr int kIconPixels = 32;

bool isPressKey(const QKeyEvent* event) {
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    return mods == Qt::NoModifier &&
           (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
}

bool isLeftClick(const QWidget* widget, const QMouseEvent* event) {
    return event->button() == Qt::LeftButton &&
           widget->rect().contains(event->position().toPoint());
}

}  // namespace

bool ElementHooks::navigated(const QKeyEvent* event) const {
    if (!navigate || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    switch (event->key()) {
        case Qt::Key_Left:
            return navigate(NavigationKey::Left);
        case Qt::Key_Right:
            return navigate(NavigationKey::Right);
        case Qt::Key_Up:
            return navigate(NavigationKey::Up);
        case Qt::Key_Down:
            return navigate(NavigationKey::Down);
        case Qt::Key_Home:
            return navigate(NavigationKey::Home);
        case Qt::Key_End:
            return navigate(NavigationKey::End);
        default:
            return false;
    }
}

int twipsToPixels(int twips) {
    return int(std::lround(double(twips) / kTwipsPerPixel));
}

// The face to ask for by name: the layout's own where this machine has it, else its installed
// substitute where that is present. Asking for the present face at once spares the font database
// a failed search for the absent one, and the fallback list it then builds, for every size.
QString presentFamily(const QString& family) {
    if (!QFontDatabase::styles(family).isEmpty()) return family;
    const QStringList substitutes = QFont::substitutes(family);
    for (const QString& substitute : substitutes)
        if (!QFontDatabase::styles(substitute).isEmpty()) return substitute;
    return family;
}

QFont layoutFont(const FontSpec& item) {
    QFont font(presentFamily(item.family));
    font.setPixelSize(int(std::lround(item.points * 4.0 / 3.0)));
    font.setBold(item.bold);
    font.setUnderline(item.underline);
    return font;
}

QString plainCaption(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) {
            out += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
            out += QLatin1Char('&');
            ++i;
        }
    }
    return out;
}

QString wrappedCaption(const QString& caption, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(plainCaption(caption)) <= width) return caption;
    QStringList lines;
    QString line;
    for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || metrics.horizontalAdvance(plainCaption(longer)) <= width) {
            line = longer;
        } else {
            lines << line;
            line = word;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines.join(QLatin1Char('\n'));
}

// --- ElementButton -------------------------------------------------------------------------

QRect ElementButton::captionRoom() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2;
    return contents.adjusted(margin, 0, -margin, 0);
}

void ElementButton::setCaption(const QString& caption) {
    m_caption = caption;
    setText(wrappedCaption(caption, fontMetrics(), captionRoom().width()));
}

void ElementButton::keyPressEvent(QKeyEvent* event) {
    hooks.typed(event->text());
    if (hooks.navigated(event)) return event->accept();
    QPushButton::keyPressEvent(event);
}

void ElementButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_caption.isNull()) setCaption(m_caption);
}

// --- ElementLabel, ElementTextBox ----------------------------------------------------------

void ElementLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (isLeftClick(this, event)) hooks.clicked();
}

void ElementLabel::keyPressEvent(QKeyEvent* event) {
    if (m_link && isPressKey(event)) {
        event->accept();
        hooks.clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ElementTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (isLeftClick(this, event)) hooks.clicked();
}

void ElementTextBox::keyPressEvent(QKeyEvent* event) {
    hooks.typed(event->text());
    if (isReadOnly() && isPressKey(event)) {
        event->accept();
        hooks.clicked();
        return;
    }
    // A score box has no cursor worth moving: the arrow keys move between the boxes instead.
    if (isReadOnly() && hooks.navigated(event)) return event->accept();
    QLineEdit::keyPressEvent(event);
}

// --- PictureWidget -------------------------------------------------------------------------

PictureWidget::PictureWidget(PictureKind kind, int pips, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_pips(pips) {}

void PictureWidget::setBorder(int border) {
    if (m_border == border) return;
    m_border = border;
    update();
}

QRect PictureWidget::faceRect() const {
    if (m_kind != PictureKind::DieFace) return rect();
    return QRect(kHoldFrameMargin, kHoldFrameMargin, kDieFacePixels, kDieFacePixels);
}

void PictureWidget::setPictureGeometry(const QRect& picture) {
    // A die's widget reaches a little beyond its face, so the frame of a held die can stand
    // apart from the face's own outline; the face itself stays where the layout puts it.
    if (m_kind == PictureKind::DieFace)
        setGeometry(picture.adjusted(-kHoldFrameMargin, -kHoldFrameMargin, kHoldFrameMargin,
                                     kHoldFrameMargin));
    else
        setGeometry(picture);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    switch (m_kind) {
        case PictureKind::DieFace: {
            const QRectF face(faceRect());
            paintDieFace(painter, face, m_pips);
            if (m_border == 1) paintHoldFrame(painter, face);
            break;
        }
        case PictureKind::RollFace:
            paintRollFace(painter, QRectF(rect()), m_pips);
            break;
        case PictureKind::AppIcon: {
            const int side = std::min({kIconPixels, width(), height()});
            paintAppIcon(painter, QRectF(0, 0, side, side));
            break;
        }
        case PictureKind::None:
            break;
    }
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (isLeftClick(this, event) && faceRect().contains(event->position().toPoint()))
        hooks.clicked();
}

void PictureWidget::keyPressEvent(QKeyEvent* event) {
    hooks.typed(event->text());
    if (isPressKey(event)) {
        hooks.clicked();
        return;
    }
    if (hooks.navigated(event)) return event->accept();
    QWidget::keyPressEvent(event);
}

// --- LineWidget ----------------------------------------------------------------------------

LineWidget::LineWidget(QPoint from, QPoint to, int width, QColor colour, QWidget* parent)
    : QWidget(parent), m_width(std::max(1, width)), m_colour(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRect box = QRect(from, to).normalized().adjusted(-m_width, -m_width, m_width, m_width);
    setGeometry(box);
    m_from = from - box.topLeft();
    m_to = to - box.topLeft();
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Square ends, so four rules that meet at a corner close it.
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(m_from, m_to);
}

// --- Window frames -------------------------------------------------------------------------

bool WindowHooks::handle(QEvent* event) {
    switch (event->type()) {
        case QEvent::Close:
            event->accept();
            if (closeRequested) closeRequested();
            return true;
        case QEvent::WindowActivate:
            if (activated) activated();
            break;
        case QEvent::WindowDeactivate:
            if (deactivated) deactivated();
            break;
        default:
            break;
    }
    return false;
}

FormWindow::FormWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint) {}

bool FormWindow::event(QEvent* event) {
    return hooks.handle(event) || QWidget::event(event);
}

FormDialog::FormDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setSizeGripEnabled(false);
}

bool FormDialog::event(QEvent* event) {
    return hooks.handle(event) || QDialog::event(event);
}

void FormDialog::done(int result) {
    // accept() and reject() end here; the toolkit closes the form so its unload step runs.
    if (hooks.closeRequested)
        hooks.closeRequested();
    else
        QDialog::done(result);
}

void FormDialog::keyPressEvent(QKeyEvent* event) {
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape && mods == Qt::NoModifier) {
        event->accept();
        if (cancelButton && cancelButton->isVisible() && cancelButton->isEnabled())
            cancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace korvex
