// The split type, the unit of a typed size, and tidying the typed size.
#include <cmath>

#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "ui/split_type.h"
#include "ui/frm_splitter.h"

void frmSplitter::optSplitType_Click(short index) {
    guarded("optSplitType_Click", AfterReport::Restart, [&] {
        step(10);
        txtByteSize.setVisible(false);
        step(20);
        for (auto& b : optBytesButton) b.setVisible(false);
        step(30);
        cboEqualNumber.setVisible(false);
        const split::ExtraInput extra = split::extraInputOf(index);
        if (extra == split::ExtraInput::kTypedSize) {
            step(40);
            txtByteSize.setVisible(true);
            step(50);
            for (auto& b : optBytesButton) b.setVisible(true);
        }
        step(60);
        if (extra == split::ExtraInput::kPieceCount) cboEqualNumber.setVisible(true);
        step(70);
        state_.settingsOut.splitType = split::settingsValueOf(static_cast<split::SplitType>(index));
        if (extra == split::ExtraInput::kTypedSize) {
            step(80);
            state_.settingsOut.sizeOrCount = txtByteSize.text();
            step(280);
            state_.settingsOut.unit = std::to_string(state_.unitIndex);
        }
        step(280);
        if (extra == split::ExtraInput::kPieceCount) {
            step(290);
            state_.settingsOut.sizeOrCount = cboEqualNumber.text();
        }
        updateTabStops();
    });
}

void frmSplitter::optBytes_Click(short index) {
    guarded("optBytes_Click", AfterReport::Restart, [&] {
        step(80);
        state_.unitIndex = index;
    });
}

void frmSplitter::showEqualPieces(int64_t bytes) {
    txtByteSize.setText(platform::groupWholeNumber(static_cast<double>(bytes)));
    optBytesButton[0].setValue(true);
    optSplitTypeButton[split::kEqualSize].setValue(true);
}

std::string groupedSizeText(const std::string& text) {
    std::string plain;
    for (char c : text)
        if (c != ',') plain += c;
    if (!platform::readsAsNumber(plain)) return text;
    double rounded = platform::roundHalfAway(platform::numberOf(plain));
    // A number past any the box can hold (1e999) cannot be written out.
    if (!std::isfinite(rounded)) throw platform::RuntimeError(platform::kOverflow);
    return platform::groupWholeNumber(rounded);
}

void frmSplitter::txtByteSize_LostFocus() {
    guarded("txtByteSize_Lostfocus", AfterReport::Restart, [&] {
        step(10);
        txtByteSize.setText(groupedSizeText(txtByteSize.text()));
    });
}
