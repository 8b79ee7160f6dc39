// SPDX-License-Identifier: MIT
// A read-only field offers its text for copying only: no drag moves it away,
// no drop changes it.
#include "controls/advedit/AdvEdit.h"
#include "platform/dragdrop/OleDragDrop.h"
#include "platform/dragdrop/OleMimeData.h"
#include "tests/controls/advedit/AdvEditFixture.h"

#include <QCursor>
#include <QDropEvent>
#include <QMimeData>
#include <memory>

namespace maskwell {
namespace {

using test::AtChar;

struct ReadOnlyCase {
    const char* Name;
    bool ReadOnly;
};

void PrintTo(const ReadOnlyCase& row, std::ostream* out) {
    *out << row.Name;
}

class AdvEditReadOnlyDrag : public test::AdvEditWindow,
                            public ::testing::WithParamInterface<ReadOnlyCase> {
protected:
    void SetUp() override {
        AdvEditWindow::SetUp();
        edit->SetText("hello world");
        edit->SetReadOnly(GetParam().ReadOnly);
    }
};

// The text dragged out: a target that takes it as a move deletes it from a
// writable field only, and a read-only one offers no move at all.
TEST_P(AdvEditReadOnlyDrag, DraggedTextLeavesOnlyAWritableField) {
    const bool readOnly = GetParam().ReadOnly;
    edit->SetOleDropSource(true);
    ASSERT_TRUE(FocusEdit());
    edit->setSelection(0, 5); // "hello"
    DWORD offered = 0;
    QString dragged;
    const DragDropHandler previous = SetDragDropHandler(
        [&](IDataObject* data, IDropSource*, DWORD allowed, DWORD* effect) -> HRESULT {
            offered = allowed;
            dragged = MimeDataFromDataObject(data)->text();
            *effect = allowed & DROPEFFECT_MOVE ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
            return DRAGDROP_S_DROP;
        });
    QTest::mousePress(edit, Qt::LeftButton, {}, AtChar(*edit, 2));
    QTest::mouseEvent(QTest::MouseMove, edit, Qt::NoButton, {}, AtChar(*edit, 3));
    SetDragDropHandler(previous);

    EXPECT_EQ(dragged, "hello");
    EXPECT_EQ(offered,
              readOnly ? DWORD(DROPEFFECT_COPY) : DWORD(DROPEFFECT_COPY | DROPEFFECT_MOVE));
    EXPECT_EQ(edit->Text(), readOnly ? "hello world" : " world");
}

// Text dragged in: a read-only field refuses it from the first move on.
TEST_P(AdvEditReadOnlyDrag, DroppedTextGoesIntoAWritableFieldOnly) {
    const bool readOnly = GetParam().ReadOnly;
    edit->SetOleDropTarget(true);
    QMimeData data;
    data.setText("new ");
    const QPoint at = AtChar(*edit, 6);
    QCursor::setPos(edit->mapToGlobal(at));
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(edit, &enter);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(edit, &move);
    EXPECT_EQ(move.isAccepted() && move.dropAction() != Qt::IgnoreAction, !readOnly);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::NoButton, {});
    QApplication::sendEvent(edit, &drop);
    EXPECT_EQ(edit->Text(), readOnly ? "hello world" : "hello new world");
    EXPECT_EQ(edit->DropCaretPoint(), QPoint(-1, -1));
}

INSTANTIATE_TEST_SUITE_P(Fields, AdvEditReadOnlyDrag,
                         ::testing::Values(ReadOnlyCase{"Writable", false},
                                           ReadOnlyCase{"ReadOnly", true}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace maskwell
