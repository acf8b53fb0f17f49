// Message boxes answered without showing them. A MessageBoxRecorder answers
// every box the program raises while it lives and keeps what each showed.
// Confirmations take the planned answers in order, then OK; refusals and
// notices have only OK. Every box must be taken by the test (take, takeAll or
// clear): a box left over when the recorder goes fails the test, as does a
// planned answer that no confirmation used.
#pragma once

#include "windowkit/MessageBox.h"

#include <QGuiApplication>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <QtTest>

#include <deque>
#include <utility>

// Readable names of the box kinds in QCOMPARE failures.
inline char* toString(MessageBox::Kind kind) {
    switch (kind) {
    case MessageBox::Kind::Refusal:
        return qstrdup("Refusal");
    case MessageBox::Kind::Confirm:
        return qstrdup("Confirm");
    case MessageBox::Kind::Info:
        return qstrdup("Info");
    }
    return qstrdup("?");
}

namespace uitest {

// What one box showed. A box that never came has seen false and empty texts.
struct SeenBox {
    QString title;
    QString text;
    MessageBox::Kind kind = MessageBox::Kind::Info;
    QPointer<QWidget> parent;
    MessageBox::Answer answer = MessageBox::Answer::Ok;
    bool seen = false;
    // A wait cursor was over the program when the box came up.
    bool busyCursor = false;
};

class MessageBoxRecorder {
  public:
    MessageBoxRecorder() {
        m_before = MessageBox::setAnswerer([this](const MessageBox::Shown& box) { return record(box); });
    }
    ~MessageBoxRecorder() {
        MessageBox::setAnswerer(std::move(m_before));
        if (QTest::currentTestFailed()) return; // the first failure says more
        if (!m_boxes.isEmpty())
            QTest::qFail(qPrintable(QStringLiteral("message box not expected: %1 \"%2\"")
                                        .arg(m_boxes.front().title, m_boxes.front().text)),
                         __FILE__, __LINE__);
        else if (!m_planned.empty())
            QTest::qFail("a planned answer was never asked for", __FILE__, __LINE__);
    }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // The answer to the next confirmation not yet planned for.
    void plan(MessageBox::Answer answer) { m_planned.push_back(answer); }

    // Boxes shown and not yet taken.
    int count() const { return int(m_boxes.size()); }
    // The oldest box not yet taken.
    SeenBox take() { return m_boxes.isEmpty() ? SeenBox{} : m_boxes.takeFirst(); }
    QList<SeenBox> takeAll() { return std::exchange(m_boxes, {}); }
    void clear() { m_boxes.clear(); }

  private:
    MessageBox::Answer record(const MessageBox::Shown& box) {
        MessageBox::Answer answer = MessageBox::Answer::Ok;
        if (box.kind == MessageBox::Kind::Confirm && !m_planned.empty()) {
            answer = m_planned.front();
            m_planned.pop_front();
        }
        m_boxes.append({box.title, box.text, box.kind, box.parent, answer, true,
                        QGuiApplication::overrideCursor() != nullptr});
        return answer;
    }

    MessageBox::Answerer m_before;
    std::deque<MessageBox::Answer> m_planned;
    QList<SeenBox> m_boxes;
};

// Runs act, answering its boxes with OK; the one box it raised. More than one
// box fails the test.
template <class F> SeenBox answerBox(F act) {
    MessageBoxRecorder boxes;
    act();
    const SeenBox first = boxes.take();
    if (boxes.count() > 0)
        QTest::qFail(
            qPrintable(
                QStringLiteral("more than one message box; the second: \"%1\"").arg(boxes.take().text)),
            __FILE__, __LINE__);
    boxes.clear();
    return first;
}

} // namespace uitest
