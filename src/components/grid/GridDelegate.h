// GridDelegate: draws the cells of a DataGrid (text, numbers, push buttons,
// check boxes, the selection and the active cell) and runs its line editor.
// editorKeyRole() is the one place that decides which keys the open editor
// keeps and which ones end the edit: Enter stores it (the grid then applies its
// Enter action), Escape drops it, and the vertical and page keys and Tab store
// it and then act as they would without an editor (Tab moves the active cell,
// or goes on to the next control where the grid does not move with Tab).
#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

class GridModel;
class QAbstractItemView;
struct GridCellFormat;

class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    GridDelegate(QAbstractItemView* view, GridModel* model);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    // The push-button cell held down by the mouse (drawn sunken).
    void setPressed(const QModelIndex& index) { m_pressed = index; }
    // The editor opened last (the grid fills it when typing starts an edit).
    QWidget* lastEditor() const { return m_lastEditor; }

    static bool isChecked(const QString& text);

    // What a key pressed in an open cell editor does.
    enum class EditorKey {
        Keep,          // the editor handles it (text, caret, clipboard, modifiers alone)
        Commit,        // store the edit and close the editor (Enter)
        Revert,        // close the editor, the cell keeps its text (Escape)
        CommitAndMove, // store the edit, close the editor, then move the active cell
    };
    static EditorKey editorKeyRole(int key);

  signals:
    // Enter stored the edit and closed the editor.
    void enterCommitted();
    // A navigation key stored the edit and closed the editor; the grid moves.
    void moveAfterCommit(int key, Qt::KeyboardModifiers modifiers);

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    void paintButton(QPainter* p, const QRect& rect, const GridCellFormat& f, bool down) const;
    void paintCheck(QPainter* p, const QRect& rect, const GridCellFormat& f, bool checked) const;

    QAbstractItemView* m_view;
    GridModel* m_model;
    QPersistentModelIndex m_pressed;
    mutable QPointer<QWidget> m_lastEditor;
};
