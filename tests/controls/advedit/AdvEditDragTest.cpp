// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEdit.h"
#include "platform/dragdrop/OleDragDrop.h"
#include "platform/dragdrop/OleMimeData.h"
#include "tests/controls/advedit/AdvEditFixture.h"

#include <QCursor>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>
#include <memory>

namespace maskwell {
namespace {

using test::AtChar;

// Sends Qt's drag events to a field as a drag over it would, with the pointer
// where the event says (the field reads the pointer for the drop position).
class DragEvents {
public:
    DragEvents(QWidget* target, const QMimeData& data) : target_(target), data_(data) {}

    bool Enter(QPoint at, Qt::KeyboardModifiers keys = {}) {
        QCursor::setPos(target_->mapToGlobal(at));
        QDragEnterEvent event(at, actions, &data_, Qt::LeftButton, keys);
        return Send(event);
    }
    bool Move(QPoint at, Qt::KeyboardModifiers keys = {}) {
        QCursor::setPos(target_->mapToGlobal(at));
        QDragMoveEvent event(at, actions, &data_, Qt::LeftButton, keys);
        return Send(event);
    }
    bool Drop(QPoint at, Qt::KeyboardModifiers keys = {}) {
        QCursor::setPos(target_->mapToGlobal(at));
        QDropEvent event(at, actions, &data_, Qt::NoButton, keys);
        return Send(event);
    }
    void Leave() {
        QDragLeaveEvent event;
        QApplication::sendEvent(target_, &event);
    }
    // Enter, move and drop at one point.
    bool DropAt(QPoint at, Qt::KeyboardModifiers keys = {}) {
        return Enter(at, keys) && Move(at, keys) && Drop(at, keys);
    }

    Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    Qt::DropAction action = Qt::IgnoreAction;

private:
    bool Send(QDropEvent& event) {
        QApplication::sendEvent(target_, &event);
        action = event.dropAction();
        return event.isAccepted();
    }

    QWidget* target_;
    const QMimeData& data_;
};

QMimeData* TextData(const QString& text) {
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

class AdvEditDrop : public test::AdvEditWindow {
protected:
    void SetUp() override {
        AdvEditWindow::SetUp();
        edit->SetText("hello world");
        edit->SetOleDropTarget(true);
    }
};

TEST_F(AdvEditDrop, TheDropCaretFollowsTheDragAndGoesWhenItLeaves) {
    const std::unique_ptr<QMimeData> data(TextData("x"));
    DragEvents drag(edit, *data);
    EXPECT_EQ(edit->DropCaretPoint(), QPoint(-1, -1));
    EXPECT_TRUE(drag.Enter(AtChar(*edit, 2)));
    EXPECT_TRUE(drag.Move(AtChar(*edit, 2)));
    EXPECT_EQ(drag.action, Qt::MoveAction);
    const QPoint before2 = edit->DropCaretPoint();
    EXPECT_EQ(edit->CharIndexAt(before2 + QPoint(1, 2)), 2);

    drag.Move(AtChar(*edit, 5));
    const QPoint before5 = edit->DropCaretPoint();
    const QFontMetrics metrics(edit->font());
    EXPECT_EQ(before5.x() - before2.x(),
              metrics.horizontalAdvance("hello") - metrics.horizontalAdvance("he"));
    EXPECT_EQ(before5.y(), before2.y());

    drag.Leave();
    EXPECT_EQ(edit->DropCaretPoint(), QPoint(-1, -1));
    EXPECT_EQ(edit->Text(), "hello world");
}

TEST_F(AdvEditDrop, OnlyTheFirstLineGoesInAtThePointerMovedOrCopied) {
    const QSignalSpy dropped(edit, &TAdvEdit::TextDropped);
    std::unique_ptr<QMimeData> data(TextData("new\r\nsecond"));
    DragEvents drag(edit, *data);
    EXPECT_TRUE(drag.DropAt(AtChar(*edit, 5)));
    EXPECT_EQ(drag.action, Qt::MoveAction);
    EXPECT_EQ(edit->Text(), "hellonew world");
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped[0][0].toString(), "new");
    EXPECT_EQ(edit->DropCaretPoint(), QPoint(-1, -1));
    EXPECT_FALSE(edit->hasSelectedText());
    EXPECT_EQ(edit->cursorPosition(), 8); // after the dropped text

    data.reset(TextData("A\nB\rC"));
    DragEvents copy(edit, *data);
    EXPECT_TRUE(copy.DropAt(AtChar(*edit, 0), Qt::ControlModifier));
    EXPECT_EQ(copy.action, Qt::CopyAction);
    EXPECT_EQ(edit->Text(), "Ahellonew world");
    ASSERT_EQ(dropped.count(), 2);
    EXPECT_EQ(dropped[1][0].toString(), "A");
}

TEST_F(AdvEditDrop, FilesAreTakenButInsertNothingAndOtherDataIsRefused) {
    const QSignalSpy dropped(edit, &TAdvEdit::TextDropped);
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/a.txt")});
    DragEvents fileDrag(edit, files);
    EXPECT_TRUE(fileDrag.Enter(AtChar(*edit, 3)));
    EXPECT_TRUE(fileDrag.Move(AtChar(*edit, 3)));
    EXPECT_NE(edit->DropCaretPoint(), QPoint(-1, -1));
    EXPECT_TRUE(fileDrag.Drop(AtChar(*edit, 3)));
    EXPECT_EQ(edit->Text(), "hello world");
    EXPECT_EQ(edit->DropCaretPoint(), QPoint(-1, -1));

    QMimeData image;
    image.setData("image/png", "not really");
    DragEvents imageDrag(edit, image);
    imageDrag.Enter(AtChar(*edit, 3));
    EXPECT_EQ(imageDrag.action, Qt::IgnoreAction);
    EXPECT_FALSE(imageDrag.Move(AtChar(*edit, 3)));
    EXPECT_FALSE(imageDrag.Drop(AtChar(*edit, 3)));
    EXPECT_EQ(edit->Text(), "hello world");
    EXPECT_EQ(dropped.count(), 0);
}

TEST_F(AdvEditDrop, SwitchingTheTargetOffEndsTheOneRegistration) {
    edit->SetOleDropTarget(true); // a second "on" adds nothing
    EXPECT_TRUE(edit->acceptDrops());
    edit->SetOleDropTarget(false);
    EXPECT_FALSE(edit->acceptDrops());
    const std::unique_ptr<QMimeData> data(TextData("x"));
    DragEvents drag(edit, *data);
    EXPECT_FALSE(drag.DropAt(AtChar(*edit, 1)));
    EXPECT_EQ(edit->Text(), "hello world");
}

TEST_F(AdvEditDrop, TheRegistrationOutlivesEveryChangeThatRebuildsTheField) {
    edit->SetFocusAlign(eaCenter);
    ASSERT_TRUE(FocusEdit());
    ASSERT_TRUE(FocusOn(next));
    edit->SetEditAlign(eaRight);
    edit->SetCanUndo(false);
    edit->SetEditType(etPassword);
    QWidget other;
    edit->setParent(&other);
    other.show();
    const std::unique_ptr<QMimeData> data(TextData("!"));
    DragEvents drag(edit, *data);
    EXPECT_TRUE(drag.DropAt(AtChar(*edit, 11)));
    EXPECT_EQ(edit->Text(), "hello world!");
    edit->setParent(&window);
}

// Stands in for Qt's drag, which needs a real display: carries the dragged data
// to `target` as Qt's drag events at `at` and drops it there, with the source
// hearing what a real drag tells it.
class DragTo {
public:
    DragTo(QWidget* target, QPoint at, Qt::KeyboardModifiers keys = {})
        : previous_(SetDragDropHandler([=, this](IDataObject* data, IDropSource* source,
                                                 DWORD allowed, DWORD* effect) {
              ++drags;
              const std::unique_ptr<QMimeData> mime = MimeDataFromDataObject(data);
              DragEvents events(target, *mime);
              events.actions = DropActionsOf(allowed);
              events.Enter(at, keys);
              events.Move(at, keys);
              source->GiveFeedback(EffectsOf(events.action));
              EXPECT_EQ(source->QueryContinueDrag(FALSE, KeyStateOf(Qt::LeftButton, keys)), S_OK);
              EXPECT_EQ(source->QueryContinueDrag(FALSE, KeyStateOf(Qt::NoButton, keys)),
                        DRAGDROP_S_DROP);
              if (!events.Drop(at, keys))
                  return DRAGDROP_S_CANCEL;
              *effect = EffectsOf(events.action);
              return DRAGDROP_S_DROP;
          })) {}
    ~DragTo() { SetDragDropHandler(std::move(previous_)); }

    int drags = 0;

private:
    DragDropHandler previous_;
};

class AdvEditDragSource : public test::AdvEditWindow {
protected:
    void SetUp() override {
        AdvEditWindow::SetUp();
        edit->SetText("hello world");
        edit->SetOleDropSource(true);
        edit->SetOleDropTarget(true);
        ASSERT_TRUE(FocusEdit());
        edit->setSelection(0, 5); // "hello"
    }
    void TearDown() override {
        QTest::keyRelease(edit, Qt::Key_Control); // no key stays held for later tests
        AdvEditWindow::TearDown();
    }
    // Presses inside the selection and moves: the drag starts. The keys stay
    // held to its end, where the source asks the keyboard.
    void DragSelection(Qt::KeyboardModifiers keys = {}, int from = 2) {
        QTest::mousePress(edit, Qt::LeftButton, keys, AtChar(*edit, from));
        QTest::mouseEvent(QTest::MouseMove, edit, Qt::NoButton, keys, AtChar(*edit, from + 1));
    }
};

TEST_F(AdvEditDragSource, ADragWithinTheFieldMovesTheText) {
    edit->setGeometry(10, 10, 250, 21);
    edit->SetText("hello wonderful world");
    edit->setSelection(0, 5);
    // The dragged text leaves first; the drop then goes where the pointer
    // stands over what is left, as a field holding only that would say.
    const QPoint at = AtChar(*edit, 16);
    TAdvEdit rest(&window);
    rest.setGeometry(edit->geometry());
    rest.SetText(" wonderful world");
    const int target = rest.CharIndexAt(at);
    ASSERT_GT(target, 0);
    ASSERT_LT(target, 16);

    DragTo drag(edit, at);
    DragSelection();
    EXPECT_EQ(drag.drags, 1);
    EXPECT_EQ(edit->Text(), QString(" wonderful world").insert(target, "hello"));
    EXPECT_EQ(edit->DropCaretPoint(), QPoint(-1, -1));
}

TEST_F(AdvEditDragSource, ControlHeldCopiesWithinTheField) {
    DragTo drag(edit, AtChar(*edit, 11), Qt::ControlModifier);
    DragSelection(Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "hello worldhello");
}

TEST_F(AdvEditDragSource, DroppingOntoTheDraggedTextChangesNothing) {
    const QSignalSpy dragged(edit, &TAdvEdit::TextDragged);
    DragTo drag(edit, AtChar(*edit, 4));
    DragSelection();
    EXPECT_EQ(drag.drags, 1);
    EXPECT_EQ(edit->Text(), "hello world");
    EXPECT_EQ(dragged.count(), 0);
    EXPECT_EQ(edit->DropCaretPoint(), QPoint(-1, -1));
}

TEST_F(AdvEditDragSource, ADragIntoAnotherFieldMovesOrWithControlCopies) {
    auto* other = new TAdvEdit(&window);
    other->setGeometry(150, 10, 120, 21);
    other->show();
    other->SetText("xy");
    other->SetOleDropTarget(true);
    const QSignalSpy dragged(edit, &TAdvEdit::TextDragged);
    const QSignalSpy dropped(other, &TAdvEdit::TextDropped);
    {
        DragTo drag(other, AtChar(*other, 2));
        DragSelection();
    }
    EXPECT_EQ(edit->Text(), " world");
    EXPECT_EQ(other->Text(), "xyhello");
    ASSERT_EQ(dragged.count(), 1);
    EXPECT_EQ(dragged[0], (QVariantList{"hello", true}));
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped[0][0].toString(), "hello");

    QTest::mouseRelease(edit, Qt::LeftButton, {}, AtChar(*edit, 3));
    edit->setSelection(1, 5); // "world"
    DragTo copy(other, AtChar(*other, 0), Qt::ControlModifier);
    DragSelection(Qt::ControlModifier, 3);
    EXPECT_EQ(edit->Text(), " world");
    EXPECT_EQ(other->Text(), "worldxyhello");
    ASSERT_EQ(dragged.count(), 2);
    EXPECT_EQ(dragged[1], (QVariantList{"world", false}));
}

TEST_F(AdvEditDragSource, ARefusedOrGivenUpDragLeavesTheFieldAsItWas) {
    const QSignalSpy dragged(edit, &TAdvEdit::TextDragged);
    QWidget noTarget(&window); // registers nothing, so it refuses every drop
    noTarget.setGeometry(150, 10, 50, 21);
    {
        DragTo drag(&noTarget, {5, 5});
        DragSelection();
        EXPECT_EQ(drag.drags, 1);
    }
    EXPECT_EQ(edit->Text(), "hello world");
    EXPECT_EQ(edit->selectedText(), "hello");

    // Offscreen Qt's own drag ends at once, given up.
    QTest::mouseRelease(edit, Qt::LeftButton, {}, AtChar(*edit, 3));
    edit->setSelection(0, 5);
    DragSelection();
    EXPECT_EQ(edit->Text(), "hello world");
    EXPECT_EQ(dragged.count(), 0);
}

TEST_F(AdvEditDragSource, WithoutTheSwitchOrForAMaskedTextNoDragStarts) {
    DragTo drag(edit, AtChar(*edit, 11));
    edit->SetOleDropSource(false);
    DragSelection();
    // The base edit saw neither the press nor the move, and the move ended
    // the wait for a drag: the release leaves the selection alone.
    QTest::mouseRelease(edit, Qt::LeftButton, {}, AtChar(*edit, 3));
    EXPECT_EQ(edit->selectedText(), "hello");

    edit->SetOleDropSource(true);
    edit->SetEditType(etPassword);
    ASSERT_TRUE(FocusEdit());
    edit->setSelection(0, 5);
    DragSelection();
    QTest::mouseRelease(edit, Qt::LeftButton, {}, AtChar(*edit, 3));
    EXPECT_EQ(drag.drags, 0);
    EXPECT_EQ(edit->Text(), "hello world");
}

TEST_F(AdvEditDragSource, AClickInsideTheSelectionPlacesTheCaretAtTheRelease) {
    QTest::mousePress(edit, Qt::LeftButton, {}, AtChar(*edit, 2));
    EXPECT_EQ(edit->selectedText(), "hello"); // kept while a drag may follow
    QTest::mouseRelease(edit, Qt::LeftButton, {}, AtChar(*edit, 2));
    EXPECT_FALSE(edit->hasSelectedText());
    EXPECT_EQ(edit->cursorPosition(), 2);
}

TEST_F(AdvEditDragSource, ThePressThatBringsTheFocusSelectsByMouse) {
    DragTo drag(edit, AtChar(*edit, 11));
    ASSERT_TRUE(FocusOn(next));
    edit->SetAutoSelect(true); // the focus entry selects all of it
    QTest::mousePress(edit, Qt::LeftButton, {}, AtChar(*edit, 1));
    QTest::mouseMove(edit, AtChar(*edit, 4));
    QTest::mouseRelease(edit, Qt::LeftButton, {}, AtChar(*edit, 4));
    EXPECT_EQ(drag.drags, 0);
    EXPECT_EQ(edit->selectedText(), "ell");
}

} // namespace
} // namespace maskwell
