#include "console/screen_stream.h"

#include "console/screen.h"

ScreenStreamBuf::int_type ScreenStreamBuf::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    model.put(traits_type::to_char_type(c));
    return c;
}

std::streamsize ScreenStreamBuf::xsputn(const char* s, std::streamsize n) {
    for (std::streamsize i = 0; i < n; ++i) model.put(s[i]);
    return n;
}
