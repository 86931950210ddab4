#include "ScriptedLine.h"

namespace tarn::fuzz {

bool ScriptedLine::Write(const std::uint8_t* bytes, std::size_t count) {
    echo_.insert(echo_.end(), bytes, bytes + count);
    return true;
}

std::size_t ScriptedLine::Read(std::uint8_t* buffer, std::size_t count) {
    std::size_t done = 0;
    for (; done < count && !echo_.empty(); ++done) {
        buffer[done] = echo_.front();
        echo_.pop_front();
    }
    if (done == count) return done;
    if (input_.Empty()) {
        if (cancel_) cancel_->Request();
        return done;
    }
    switch (input_.TakeByte() % 8) {
        case 0:  // silence: the read times out
            return done;
        case 1:  // the line breaks off
            lineError_ = true;
            return done;
        default:
            return done + input_.Take(buffer + done, count - done);
    }
}

bool ScriptedLine::TakeLineError() {
    const bool error = lineError_;
    lineError_ = false;
    return error;
}

}  // namespace tarn::fuzz
