// Undo and redo of the document's edits: steps, labels, limits, clearing and the saved state.
#include "model/EditHistory.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/TransferCommand.h"
#include "app/UndoMenuTexts.h"
#include "channels/CellEditBox.h"
#include "channels/ComplementDcs.h"
#include "channels/PasteIntoCell.h"
#include "channels/StepField.h"
#include "core/channels/EditFixture.h"
#include "csv/ChannelCsvImport.h"
#include "filedata/FileDataEditor.h"
#include "model/EditStep.h"
#include "model/ImageCodec.h"
#include "settings/CommonSheetEditor.h"
#include "settings/SystemParamsEditor.h"

namespace tarn {
namespace {

// The bytes a save would write.
CloneImage Saved(const Document& document) {
    DocumentContent content = document.Content();
    EncodeImage(content);
    return content.Image;
}

class EditHistoryTest : public test::EditFixture {
protected:
    EditHistoryTest() { document.NewDocument(); }
    // A typed receive frequency on MR 3, as the grid's edit box stores it.
    void TypeFrequency(const char* mhz) {
        Air(2, 118'000'000);
        CommitCellEdit(document, 2, 4, mhz);
    }
};

// Every kind of edit is one step: undone it gives back the bytes and Modified from before, redone those
// from after, and the menu names it.
TEST_F(EditHistoryTest, EachKindOfEditIsUndoneAndRedoneExactly) {
    const struct {
        const char* label;
        std::function<void()> setUp;
        std::function<void()> edit;
    } cases[] = {
        {"Receive of MR 3", [this] { Air(2, 118'000'000); },
         [this] { CommitCellEdit(document, 2, 4, "121.500"); }},
        {"SC of MR 3", [this] { Air(2, 118'000'000); }, [this] { StepField(document, 13, picker); }},
        {"Dec/Enc of MR 3",
         [this] {
             ChannelEntry& e = Exp(2, 150'000'000);
             e.ToneType = kToneDcs;
         },
         [this] { ComplementDcs(document, 8); }},
        {"Paste into TAG of MR 3", [this] { Air(2, 118'000'000); },
         [this] { PasteIntoCell(document, 3, "TOWER", prompter); }},
        {"Channel Copy to MR 3", [this] { Select(2); },
         [this] {
             prompter.answers = {Answer::Yes};
             PasteIntoCell(document, 0, "1", prompter);
         }},
        {"System Parameters", [] {},
         [this] {
             const EditStep step(document, std::string(kSystemParamsCaption));
             SystemParamsEditor editor(document, false);
             editor.Choose(kSysDisplayMode, 1);
             editor.Ok();
         }},
        {"Common", [] {},
         [this] {
             const EditStep step(document, std::string(kCommonSheetCaption));
             CommonSheetEditor editor(document);
             editor.Choose(4701, 0);
             editor.Ok();
         }},
        {"File Data", [] {},
         [this] {
             FileDataEditor editor(document);
             const EditStep step(document, "File Data");
             editor.Commit(250, 3, "5a");
             editor.Accept();
         }},
        {"Import Channels", [] {},
         [this] {
             const EditStep step(document, "Import Channels");
             ImportChannelsCsv(table, settings, "Location,Frequency\n5,119.100\n", CsvImportMode::ByLocation);
         }},
    };
    for (const auto& c : cases) {
        document.NewDocument();
        c.setUp();
        document.SetModified(false);
        const CloneImage before = Saved(document);
        c.edit();
        const CloneImage after = Saved(document);
        EXPECT_NE(after, before) << c.label;
        EXPECT_EQ(UndoMenuText(document.History()), std::string("&Undo ") + c.label);
        ASSERT_TRUE(document.Undo()) << c.label;
        EXPECT_EQ(std::pair(Saved(document) == before, document.Modified()), std::pair(true, false)) << c.label;
        EXPECT_EQ(RedoMenuText(document.History()), std::string("&Redo ") + c.label);
        ASSERT_TRUE(document.Redo()) << c.label;
        EXPECT_EQ(std::pair(Saved(document) == after, document.Modified()), std::pair(true, true)) << c.label;
    }
}

// An edit that changes nothing, or a dialog left without a change, gives Undo nothing to take back.
TEST_F(EditHistoryTest, AChangeThatDoesNothingAddsNoStep) {
    const std::function<void()> cases[] = {
        [this] { CommitCellEdit(document, 2, 4, "150.000"); },  // typed the value it had
        [this] { StepField(document, 8, picker); },            // tone list cancelled
        [this] {
            const EditStep step(document, "System Parameters");
            SystemParamsEditor(document, false).Ok();
        },
        [this] {
            // Opening File Data brings the image up to date with the model: no change of the user's.
            FileDataEditor editor(document);
            const EditStep step(document, "File Data");
            editor.Accept();
        },
    };
    for (const auto& edit : cases) {
        document.NewDocument();
        Exp(2, 150'000'000).ToneType = kToneCtcss;
        CommitCellEdit(document, 2, 4, "150.000");  // settles the channel as the grid's rules keep it
        document.ClearHistory();
        edit();
        EXPECT_FALSE(document.History().CanUndo());
        EXPECT_EQ(UndoMenuText(document.History()), "&Undo");
    }
}

// A step opened inside another is part of it: one step, under the outer label. A step whose Modified flag
// follows the content marks the document modified only when the content changed.
TEST_F(EditHistoryTest, NestedStepsAreOneStepAndModifiedCanFollowTheContent) {
    for (const bool change : {true, false}) {
        document.NewDocument();
        {
            const EditStep outer(document, "Outer", ModifiedFlag::FollowsContent);
            const EditStep inner(document, "Inner");
            if (change) document.Settings().DisplayMode ^= 1;
            document.SetModified(true);  // as a cell edit does, changed or not
        }
        EXPECT_EQ(std::tuple(document.Modified(), document.History().UndoCount(), document.History().UndoLabel()),
                  std::tuple(change, change ? 1u : 0u, std::string(change ? "Outer" : "")));
    }
}

// Past the depth the oldest step goes: of 101 steps, undoing all that are kept reaches the content after the first.
TEST_F(EditHistoryTest, KeepsTheLastHundredSteps) {
    Air(2, 118'000'000);
    CommitCellEdit(document, 2, 3, "FIRST");
    const CloneImage afterFirst = Saved(document);
    for (std::size_t i = 0; i < kEditHistoryDepth; ++i) CommitCellEdit(document, 2, 3, std::to_string(i));
    EXPECT_EQ(document.History().UndoCount(), kEditHistoryDepth);
    while (document.Undo()) {
    }
    EXPECT_EQ(Saved(document), afterFirst);
    EXPECT_TRUE(document.Modified());
}

// Undoing back to the saved content clears Modified, also after the save was followed by more edits.
TEST_F(EditHistoryTest, UndoingBackToTheSavedStateClearsModified) {
    TypeFrequency("119.000");
    document.SetModified(false);  // saved
    CommitCellEdit(document, 2, 4, "120.000");
    const std::pair<bool (Document::*)(), bool> steps[] = {
        {&Document::Undo, false}, {&Document::Undo, true}, {&Document::Redo, false}, {&Document::Redo, true}};
    for (const auto& [step, modified] : steps) {
        (document.*step)();
        EXPECT_EQ(document.Modified(), modified);
    }
}

// A new edit after an undo drops what could have been redone.
TEST_F(EditHistoryTest, ANewEditDropsTheRedoSteps) {
    TypeFrequency("119.000");
    document.Undo();
    CommitCellEdit(document, 2, 4, "120.000");
    EXPECT_FALSE(document.History().CanRedo());
    EXPECT_EQ(RedoMenuText(document.History()), "&Redo");
}

// New, Open and an Upload that brought the radio's image start a new history; Download keeps it.
TEST_F(EditHistoryTest, NewOpenAndUploadClearTheHistory) {
    ProgramSettings settings;
    PortHolder ports;
    const struct {
        const char* what;
        std::function<void(Document&)> run;
        bool kept;
    } cases[] = {
        {"new", [](Document& d) { d.ReplaceDocument(std::string(kNoFilePath)); }, false},
        {"upload",
         [&](Document& d) { TransferCommand(TransferOperation::Upload, d, ports, settings, false).Finish({false, true, false}); },
         false},
        {"download",
         [&](Document& d) { TransferCommand(TransferOperation::Download, d, ports, settings, false).Finish({}); }, true},
    };
    for (const auto& c : cases) {
        TypeFrequency("119.000");
        c.run(document);
        EXPECT_EQ(document.History().CanUndo(), c.kept) << c.what;
    }
}

// An "&" of a label shows as itself in the menu.
TEST(UndoMenuTexts, DoubleAnAmpersandOfTheLabel) {
    test::RecordingPrompter prompter;
    Document document(prompter, "/nonexistent");
    {
        const EditStep step(document, "VFO & HOME");
        document.Settings().DisplayMode ^= 1;
    }
    EXPECT_EQ(UndoMenuText(document.History()), "&Undo VFO && HOME");
}

}  // namespace
}  // namespace tarn
