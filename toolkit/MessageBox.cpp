#include "toolkit/MessageBox.h"

#include <cstdio>
#include <utility>

namespace toolkit {

namespace {
MessageSink& Sink()
{
    static MessageSink sink;
    return sink;
}
} // namespace

MessageSink SetMessageSink(MessageSink sink)
{
    return std::exchange(Sink(), std::move(sink));
}

void ShowMessage(const std::string& text)
{
    if (Sink()) {
        Sink()(text);
        return;
    }
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}

} // namespace toolkit
