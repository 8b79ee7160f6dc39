// SPDX-License-Identifier: MIT
#include "platform/dragdrop/OleDragDrop.h"

#include "core/Error.h"
#include "platform/dragdrop/OleFormats.h"
#include "platform/dragdrop/OleMemory.h"
#include "platform/dragdrop/OleMimeData.h"
#include "tests/support/ErrorBoxRecorder.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <thread>

namespace maskwell {
namespace {

QString UnicodeTextOf(IDataObject* data) {
    const FORMATETC ask = HGlobalFormat(CF_UNICODETEXT);
    STGMEDIUM medium;
    if (!data || data->GetData(&ask, &medium) != S_OK)
        return QStringLiteral("<none>");
    QString text = ZeroTerminatedUtf16(medium.hGlobal);
    ReleaseStgMedium(&medium);
    return text;
}

// Writes down every call and answers with a set effect.
class RecordingTarget : public TComObject<IDropTarget> {
public:
    struct Call {
        QString method;
        DWORD keyState = 0;
        QPoint point;
        DWORD effectIn = 0;
        QString text;
    };

    explicit RecordingTarget(bool* destroyed = nullptr) : destroyed_(destroyed) {}

    HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override {
        if (throwOnEnter)
            throw Error("enter failed");
        kept = ComPtr<IDataObject>::Share(data);
        calls.push_back({"DragEnter", keyState, {point.x, point.y}, *effect, UnicodeTextOf(data)});
        *effect = answer;
        return S_OK;
    }
    HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) override {
        calls.push_back({"DragOver", keyState, {point.x, point.y}, *effect, {}});
        *effect = answer;
        return S_OK;
    }
    HRESULT DragLeave() override {
        calls.push_back({"DragLeave", 0, {}, 0, {}});
        return S_OK;
    }
    HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override {
        calls.push_back({"Drop", keyState, {point.x, point.y}, *effect, UnicodeTextOf(data)});
        *effect = answer;
        return S_OK;
    }

    QStringList Methods() const {
        QStringList names;
        for (const Call& call : calls)
            names << call.method;
        return names;
    }

    std::vector<Call> calls;
    DWORD answer = DROPEFFECT_MOVE;
    bool throwOnEnter = false;
    ComPtr<IDataObject> kept;

protected:
    ~RecordingTarget() override {
        if (destroyed_)
            *destroyed_ = true;
    }

private:
    bool* destroyed_;
};

// Lets the drag go on until the button is up.
class Source : public TComObject<IDropSource> {
public:
    HRESULT QueryContinueDrag(BOOL escape, DWORD keys) override {
        return escape ? DRAGDROP_S_CANCEL : (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

TEST(OleStart, CountsItsUsersOnTheGuiThreadOnly) {
    EXPECT_EQ(OleInitialize(nullptr), S_OK);
    EXPECT_EQ(OleInitialize(nullptr), S_FALSE);
    OleUninitialize();
    OleUninitialize();
    int dummy = 0;
    EXPECT_EQ(OleInitialize(&dummy), E_INVALIDARG);

    HRESULT elsewhere = S_OK;
    std::thread([&elsewhere] { elsewhere = OleInitialize(nullptr); }).join();
    EXPECT_EQ(elsewhere, E_UNEXPECTED);

    // Nothing works before the start.
    QWidget widget;
    const auto target = ComPtr<RecordingTarget>::Adopt(new RecordingTarget);
    EXPECT_EQ(RegisterDragDrop(&widget, target.get()), CO_E_NOTINITIALIZED);
    QMimeData mime;
    const auto data = ComPtr<TMimeDataObject>::Adopt(new TMimeDataObject(&mime));
    const auto source = ComPtr<IDropSource>::Adopt(new Source);
    DWORD effect = DROPEFFECT_COPY;
    EXPECT_EQ(DoDragDrop(data.get(), source.get(), DROPEFFECT_COPY, &effect), E_UNEXPECTED);
}

class OleDragDrop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(OleInitialize(nullptr), S_OK);
        window.resize(200, 100);
        field = new QWidget(&window);
        field->setGeometry(20, 30, 120, 24);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { OleUninitialize(); }

    // Sends a drag event of `type` at a point of the field, as Qt would.
    bool Send(QEvent::Type type, const QMimeData& data, QPoint at = {10, 5},
              Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier,
              Qt::MouseButtons buttons = Qt::LeftButton) {
        if (type == QEvent::DragEnter) {
            QDragEnterEvent event(at, actions, &data, buttons, modifiers);
            QApplication::sendEvent(field, &event);
            return Outcome(event);
        }
        if (type == QEvent::DragMove) {
            QDragMoveEvent event(at, actions, &data, buttons, modifiers);
            QApplication::sendEvent(field, &event);
            return Outcome(event);
        }
        QDropEvent event(at, actions, &data, buttons, modifiers);
        QApplication::sendEvent(field, &event);
        return Outcome(event);
    }
    bool Outcome(const QDropEvent& event) {
        action = event.dropAction();
        return event.isAccepted();
    }
    void Leave() {
        QDragLeaveEvent event;
        QApplication::sendEvent(field, &event);
    }

    QWidget window;
    QWidget* field = nullptr;
    Qt::DropAction action = Qt::IgnoreAction;
};

TEST_F(OleDragDrop, RegistrationRefusesWhatItCannotHold) {
    const auto target = ComPtr<RecordingTarget>::Adopt(new RecordingTarget);
    EXPECT_EQ(RegisterDragDrop(nullptr, target.get()), DRAGDROP_E_INVALIDHWND);
    EXPECT_EQ(RegisterDragDrop(field, nullptr), E_INVALIDARG);
    EXPECT_EQ(RevokeDragDrop(field), DRAGDROP_E_NOTREGISTERED);
    EXPECT_EQ(RegisterDragDrop(field, target.get()), S_OK);
    EXPECT_EQ(RegisterDragDrop(field, target.get()), DRAGDROP_E_ALREADYREGISTERED);
    EXPECT_EQ(RevokeDragDrop(field), S_OK);
    EXPECT_EQ(RevokeDragDrop(field), DRAGDROP_E_NOTREGISTERED);
}

TEST_F(OleDragDrop, RegistrationHoldsTheTargetUntilRevokedOrTheWidgetGoes) {
    bool destroyed = false;
    auto* target = new RecordingTarget(&destroyed);
    ASSERT_EQ(RegisterDragDrop(field, target), S_OK);
    EXPECT_TRUE(field->acceptDrops());
    EXPECT_EQ(target->Release(), 1u); // the registration's reference is left
    EXPECT_FALSE(destroyed);
    ASSERT_EQ(RevokeDragDrop(field), S_OK);
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(field->acceptDrops());

    destroyed = false;
    target = new RecordingTarget(&destroyed);
    ASSERT_EQ(RegisterDragDrop(field, target), S_OK);
    target->Release();
    delete field;
    field = nullptr;
    EXPECT_TRUE(destroyed);
}

TEST_F(OleDragDrop, TheTargetHearsTheDragWithItsDataKeysAndScreenPoint) {
    const auto target = ComPtr<RecordingTarget>::Adopt(new RecordingTarget);
    ASSERT_EQ(RegisterDragDrop(field, target.get()), S_OK);
    QMimeData mime;
    mime.setText("dragged");

    target->answer = DROPEFFECT_MOVE;
    EXPECT_TRUE(Send(QEvent::DragEnter, mime, {10, 5}, Qt::CopyAction | Qt::MoveAction,
                     Qt::ControlModifier | Qt::ShiftModifier));
    EXPECT_EQ(action, Qt::MoveAction);
    ASSERT_EQ(target->calls.size(), 1u);
    const RecordingTarget::Call& enter = target->calls[0];
    EXPECT_EQ(enter.keyState, MK_LBUTTON | MK_CONTROL | MK_SHIFT);
    EXPECT_EQ(enter.point, field->mapToGlobal(QPoint(10, 5)));
    EXPECT_EQ(enter.effectIn, DROPEFFECT_COPY | DROPEFFECT_MOVE);
    EXPECT_EQ(enter.text, "dragged");

    target->answer = DROPEFFECT_COPY;
    EXPECT_TRUE(Send(QEvent::DragMove, mime, {40, 6}, Qt::CopyAction | Qt::LinkAction,
                     Qt::AltModifier, Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
    EXPECT_EQ(action, Qt::CopyAction);
    EXPECT_EQ(target->calls[1].keyState, MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_ALT);
    EXPECT_EQ(target->calls[1].effectIn, DROPEFFECT_COPY | DROPEFFECT_LINK);
    EXPECT_EQ(target->calls[1].point, field->mapToGlobal(QPoint(40, 6)));

    EXPECT_TRUE(Send(QEvent::Drop, mime, {41, 6}, Qt::CopyAction, Qt::NoModifier, Qt::NoButton));
    EXPECT_EQ(action, Qt::CopyAction);
    EXPECT_EQ(target->Methods(), (QStringList{"DragEnter", "DragOver", "Drop"}));
    EXPECT_EQ(target->calls[2].text, "dragged");
    EXPECT_EQ(target->calls[2].keyState, 0u);

    // Qt's data ends with the drag; a data object kept beyond it reads nothing.
    EXPECT_EQ(UnicodeTextOf(target->kept.get()), "<none>");
}

TEST_F(OleDragDrop, AnswersAreNarrowedToTheAllowedEffectsAndNoneRefuses) {
    const auto target = ComPtr<RecordingTarget>::Adopt(new RecordingTarget);
    ASSERT_EQ(RegisterDragDrop(field, target.get()), S_OK);
    QMimeData mime;
    mime.setText("x");

    target->answer = DROPEFFECT_NONE;
    // The widget stays the target, so that later moves may change the answer.
    EXPECT_TRUE(Send(QEvent::DragEnter, mime));
    EXPECT_EQ(action, Qt::IgnoreAction);
    EXPECT_FALSE(Send(QEvent::DragMove, mime));
    EXPECT_EQ(action, Qt::IgnoreAction);

    // A move where the source allows only a copy: the source's copy it is.
    target->answer = DROPEFFECT_MOVE | DROPEFFECT_LINK;
    EXPECT_TRUE(Send(QEvent::DragMove, mime, {10, 5}, Qt::CopyAction | Qt::LinkAction));
    EXPECT_EQ(action, Qt::LinkAction);
    target->answer = DROPEFFECT_MOVE;
    EXPECT_TRUE(Send(QEvent::DragMove, mime, {10, 5}, Qt::CopyAction));
    EXPECT_EQ(action, Qt::CopyAction);

    // After a refusal a drop is a leave, as on the desktop.
    target->answer = DROPEFFECT_NONE;
    EXPECT_FALSE(Send(QEvent::DragMove, mime, {10, 5}, Qt::CopyAction));
    EXPECT_FALSE(Send(QEvent::Drop, mime, {10, 5}, Qt::CopyAction));
    EXPECT_EQ(target->Methods(), (QStringList{"DragEnter", "DragOver", "DragOver", "DragOver",
                                              "DragOver", "DragLeave"}));

    Send(QEvent::DragEnter, mime);
    Leave();
    EXPECT_EQ(target->Methods().last(), "DragLeave");
}

TEST_F(OleDragDrop, AFailureInsideTheTargetShowsTheErrorBoxAndRefuses) {
    const auto target = ComPtr<RecordingTarget>::Adopt(new RecordingTarget);
    ASSERT_EQ(RegisterDragDrop(field, target.get()), S_OK);
    target->throwOnEnter = true;
    QMimeData mime;
    mime.setText("x");
    test::ErrorBoxRecorder errors;
    Send(QEvent::DragEnter, mime);
    EXPECT_EQ(action, Qt::IgnoreAction);
    EXPECT_EQ(errors.Messages(), QStringList{"enter failed"});
}

TEST_F(OleDragDrop, DragsGoToTheInstalledHandler) {
    DWORD effect = DROPEFFECT_MOVE;
    EXPECT_EQ(DoDragDrop(nullptr, nullptr, DROPEFFECT_COPY, &effect), E_INVALIDARG);

    QMimeData mime;
    mime.setText("x");
    const auto data = ComPtr<TMimeDataObject>::Adopt(new TMimeDataObject(&mime));
    const auto source = ComPtr<IDropSource>::Adopt(new Source);

    QString seen;
    DragDropHandler previous =
        SetDragDropHandler([&seen](IDataObject* dragged, IDropSource*, DWORD allowed, DWORD* out) {
            seen = UnicodeTextOf(dragged);
            *out = allowed & DROPEFFECT_COPY;
            return DRAGDROP_S_DROP;
        });
    EXPECT_EQ(DoDragDrop(data.get(), source.get(), DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect),
              DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    EXPECT_EQ(seen, "x");
    SetDragDropHandler(std::move(previous));
}

TEST_F(OleDragDrop, OffscreenAQtDragEndsAtOnceGivenUp) {
    if (QGuiApplication::platformName() != "offscreen")
        GTEST_SKIP() << "a real drag would wait for the pointer";
    QMimeData mime;
    mime.setText("x");
    const auto data = ComPtr<TMimeDataObject>::Adopt(new TMimeDataObject(&mime));
    const auto source = ComPtr<IDropSource>::Adopt(new Source);
    DWORD effect = DROPEFFECT_MOVE;
    EXPECT_EQ(DoDragDrop(data.get(), source.get(), DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect),
              DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
}

} // namespace
} // namespace maskwell
