#pragma once
// The Edit menu's commands on whole channels of the group shown: Move Up and Move Down, Insert Empty
// Channel, Delete Channels and the two sorts. Each turns the grid's selection into slots and leaves the
// rules to the core's reordering operations, each one undoable step; here the question before a
// delete, the refusal's message or beep, the grid redrawn and the selection kept on the moved channels.
#include "channels/ReorderChannels.h"

namespace tarn {
class Document;
class Prompter;
}  // namespace tarn

namespace tarn::gui {

class ChannelView;

class ChannelCommands {
public:
    ChannelCommands(Document& document, Prompter& prompter, ChannelView& view);

    // Whether the group shown takes these commands.
    bool CanReorder() const;

    void Move(int direction);  // -1 up, +1 down
    void InsertEmpty();
    void Delete();
    void Sort(SortKey key);

private:
    Document& document_;
    Prompter& prompter_;
    ChannelView& view_;
};

}  // namespace tarn::gui
