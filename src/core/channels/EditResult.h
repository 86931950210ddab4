#pragma once
// What an editing action on a grid cell did. A refused action leaves the channel and the document's
// Modified flag as they were; the front end sounds the system beep `beeps` times, and shows no text.
namespace tarn {

struct EditResult {
    bool done = false;  // the action went through (the document counts as modified)
    int beeps = 0;

    static EditResult Done(int beeps = 0) { return {true, beeps}; }
    static EditResult Refused(int beeps = 0) { return {false, beeps}; }
    static EditResult Beep() { return {false, 1}; }
};

}  // namespace tarn
