#pragma once
// The fuzzer's bytes, taken from the front: single choices first, then whatever is left.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

namespace tarn::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}

    bool Empty() const { return bytes_.empty(); }
    // The next byte, or `fallback` once the input is used up.
    std::uint8_t TakeByte(std::uint8_t fallback = 0) {
        if (bytes_.empty()) return fallback;
        const std::uint8_t byte = bytes_.front();
        bytes_ = bytes_.subspan(1);
        return byte;
    }
    // Up to `count` bytes into `out`; returns how many there were.
    std::size_t Take(std::uint8_t* out, std::size_t count) {
        const std::size_t n = count < bytes_.size() ? count : bytes_.size();
        for (std::size_t i = 0; i < n; ++i) out[i] = bytes_[i];
        bytes_ = bytes_.subspan(n);
        return n;
    }
    std::string_view RestText() const {
        return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()};
    }

private:
    std::span<const std::uint8_t> bytes_;
};

// The targets that read a file read the fuzzer's bytes from `path`; a run that cannot write them is no run.
inline void WriteInputFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) std::abort();
}

}  // namespace tarn::fuzz
