// The dialog shown while a grid prints: the grid's abort message and a
// "ｷｬﾝｾﾙ" button. The printing loop asks it between pages whether to stop.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class PrintAbortDialog : public QDialog {
    Q_OBJECT
  public:
    PrintAbortDialog(const QString& message, const QString& jobName, QWidget* parent = nullptr);

    // Shows "page n" progress under the message.
    void setPage(int page, int pageCount);
    bool cancelled() const { return m_cancelled; }

  protected:
    void reject() override; // Escape and the close box cancel the print too

  private:
    QLabel* m_message;
    QLabel* m_progress;
    QPushButton* m_cancel;
    bool m_cancelled = false;
};
