#pragma once
// std::cout writes into the screen model: each byte lands at the cursor in the
// current colour the moment it is written, as on an unbuffered console.

#include <streambuf>

class ScreenModel;

class ScreenStreamBuf : public std::streambuf {
public:
    explicit ScreenStreamBuf(ScreenModel& target) : model(target) {}

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;

private:
    ScreenModel& model;
};
