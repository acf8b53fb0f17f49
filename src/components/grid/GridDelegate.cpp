// GridDelegate: cell painting and the line editor of a DataGrid.
#include "components/grid/GridDelegate.h"

#include "components/grid/GridModel.h"

#include <QAbstractItemView>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

const QColor kSelectionTint(51, 136, 255, 64);
const QColor kActiveFrame(0, 84, 196);
const QColor kActiveFrameUnfocused(110, 130, 160);
constexpr int kTextMargin = 3;

Qt::Alignment cellAlignment(const GridCellFormat& f) {
    const bool numeric = f.type == DataGrid::CellType::Real || f.type == DataGrid::CellType::Integer;
    const bool right = f.alignmentSet ? f.rightAligned : numeric;
    return (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

} // namespace

GridDelegate::GridDelegate(QAbstractItemView* view, GridModel* model)
    : QStyledItemDelegate(view), m_view(view), m_model(model) {}

bool GridDelegate::isChecked(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok && v != 0.0;
}

void GridDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    const GridCellFormat f = m_model->format(col, row);
    const QRect rect = option.rect;
    p->save();
    p->setClipRect(rect);
    if (f.type == DataGrid::CellType::Button) {
        paintButton(p, rect, f, m_pressed.isValid() && m_pressed == index);
        p->restore();
        return;
    }
    p->fillRect(rect, f.back);
    p->setFont(option.font);
    if (f.type == DataGrid::CellType::CheckBox) {
        paintCheck(p, rect, f, isChecked(m_model->cellText(col, row)));
    } else {
        p->setPen(QColor(0, 0, 0));
        const QRect textRect = rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
        p->drawText(textRect, int(cellAlignment(f)) | Qt::TextSingleLine, m_model->displayText(col, row));
    }
    if (option.state & QStyle::State_Selected) p->fillRect(rect, kSelectionTint);
    if (index == m_view->currentIndex()) {
        const bool focused = m_view->hasFocus() || m_view->viewport()->hasFocus();
        QPen pen(focused ? kActiveFrame : kActiveFrameUnfocused);
        pen.setWidth(2);
        pen.setJoinStyle(Qt::MiterJoin);
        p->setPen(pen);
        p->setBrush(Qt::NoBrush);
        p->drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    }
    p->restore();
}

void GridDelegate::paintButton(QPainter* p, const QRect& rect, const GridCellFormat& f, bool down) const {
    p->fillRect(rect, f.face);
    const QRect r = rect.adjusted(0, 0, -1, -1);
    const QColor topLeft = down ? f.shadow : f.highlight;
    const QColor bottomRight = down ? f.highlight : f.shadow;
    p->setPen(topLeft);
    p->drawLine(r.topLeft(), r.topRight());
    p->drawLine(r.topLeft(), r.bottomLeft());
    p->setPen(bottomRight);
    p->drawLine(r.bottomLeft(), r.bottomRight());
    p->drawLine(r.topRight(), r.bottomRight());
    if (!down) {
        p->setPen(f.shadow.darker(150));
        p->drawLine(r.bottomLeft() + QPoint(1, 0), r.bottomRight());
        p->drawLine(r.topRight() + QPoint(0, 1), r.bottomRight());
    }
    QRect inner = rect.adjusted(3, 3, -3, -3);
    if (down) inner.translate(1, 1);
    QRect textRect = inner;
    if (!f.picture.isNull()) {
        QPixmap pm = f.picture;
        if (pm.width() > inner.width() || pm.height() > inner.height())
            pm = pm.scaled(inner.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QRect pr(QPoint(0, 0), pm.size() / pm.devicePixelRatio());
        if (f.buttonCaption.isEmpty()) {
            pr.moveCenter(inner.center());
        } else {
            pr.moveTopLeft(QPoint(inner.left(), inner.top() + (inner.height() - pr.height()) / 2));
            textRect.setLeft(pr.right() + 4);
        }
        p->drawPixmap(pr, pm);
    }
    if (!f.buttonCaption.isEmpty()) {
        p->setPen(f.buttonText);
        p->setFont(m_view->font());
        p->drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, f.buttonCaption);
    }
}

void GridDelegate::paintCheck(QPainter* p, const QRect& rect, const GridCellFormat& f, bool checked) const {
    QStyle* style = m_view->style();
    const int w = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, m_view);
    const int h = style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, m_view);
    QStyleOptionButton opt;
    opt.rect = QRect(rect.left() + kTextMargin, rect.top() + (rect.height() - h) / 2, w, h);
    opt.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
    opt.palette = m_view->palette();
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &opt, p, m_view);
    if (!f.checkCaption.isEmpty()) {
        p->setPen(QColor(0, 0, 0));
        const QRect textRect = rect.adjusted(kTextMargin + w + 4, 0, -kTextMargin, 0);
        p->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, f.checkCaption);
    }
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    const GridCellFormat f = m_model->format(col, row);
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setFont(m_view->font());
    editor->setAlignment(cellAlignment(f));
    if (f.type == DataGrid::CellType::Real) {
        auto* v = new QDoubleValidator(editor);
        v->setLocale(QLocale::c());
        v->setNotation(QDoubleValidator::ScientificNotation);
        editor->setValidator(v);
    } else if (f.type == DataGrid::CellType::Integer) {
        auto* v = new QIntValidator(f.integerMin, f.integerMax, editor);
        v->setLocale(QLocale::c());
        editor->setValidator(v);
    }
    QPalette pal = editor->palette();
    pal.setColor(QPalette::Base, f.back);
    editor->setPalette(pal);
    m_lastEditor = editor;
    return editor;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* le = qobject_cast<QLineEdit*>(editor))
        le->setText(m_model->cellText(index.column() + 1, index.row() + 1));
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* le = qobject_cast<QLineEdit*>(editor)) model->setData(index, le->text(), Qt::EditRole);
}

void GridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const {
    editor->setGeometry(option.rect.adjusted(1, 1, -1, -1));
}

bool GridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                               const QModelIndex& index) {
    // Buttons and check boxes are handled by the grid itself.
    if (!event) return false;
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

GridDelegate::EditorKey GridDelegate::editorKeyRole(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return EditorKey::Commit;
    case Qt::Key_Escape:
        return EditorKey::Revert;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return EditorKey::CommitAndMove;
    default:
        return EditorKey::Keep;
    }
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (!editor || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return QStyledItemDelegate::eventFilter(object, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const EditorKey role = editorKeyRole(key->key());
    if (event->type() == QEvent::ShortcutOverride) {
        // The keys that end an edit belong to the editor, not to a window's shortcut.
        if (role != EditorKey::Keep) key->accept();
        return false;
    }
    switch (role) {
    case EditorKey::Keep:
        // Whatever the editor does not use is passed up to the grid, which
        // leaves it alone while the editor is open.
        return false;
    case EditorKey::Commit:
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        emit enterCommitted();
        return true;
    case EditorKey::Revert:
        emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        return true;
    case EditorKey::CommitAndMove:
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        emit moveAfterCommit(key->key(), key->modifiers());
        return true;
    }
    return false;
}
