#pragma once
namespace tarn {

// The result of every receive on the clone port.
enum class LinkResult {
    Ok = 0,         // all requested bytes arrived
    LineError = 1,  // the port reported a line error, which has been cleared; nothing was read
    NoData = 2,     // the read ended with fewer bytes than requested (for one byte: with none)
};

}  // namespace tarn
