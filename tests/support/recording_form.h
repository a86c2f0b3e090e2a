#pragma once

#include <app/form.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tests {

// A window for handler tests: it keeps the boxes' texts and the labels'
// captions, and records every operation in order, one line each:
//   "text Text1", "setText Text1 0", "selStart Text1 0", "selLength Text1 2",
//   "caption Label8 1", "announce x 等于 2", "show Form2", "message 提示 方程无实根".
class RecordingForm final : public app::Form, private app::Shell {
public:
    std::map<std::string, std::string, std::less<>> texts;     // by box name
    std::map<std::string, std::string, std::less<>> captions;  // by label name
    mutable std::vector<std::string> operations;

    std::string text(app::TextBoxRef box) const override
    {
        operations.push_back("text " + std::string(box.name));
        const auto found = texts.find(box.name);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(app::TextBoxRef box, std::string_view text) override
    {
        record("setText", box.name, text);
        texts[std::string(box.name)] = text;
    }
    void setSelStart(app::TextBoxRef box, int start) override { record("selStart", box.name, std::to_string(start)); }
    void setSelLength(app::TextBoxRef box, int length) override
    {
        record("selLength", box.name, std::to_string(length));
    }
    void setCaption(app::LabelRef label, std::string_view caption) override
    {
        record("caption", label.name, caption);
        captions[std::string(label.name)] = caption;
    }
    void announce(std::string_view text) override { record("announce", text, {}); }
    app::Shell& shell() override { return *this; }

private:
    void showWindow(std::string_view windowName) override { record("show", windowName, {}); }
    app::MessageBoxAnswer showMessageBox(const app::MessageBoxRequest& request) override
    {
        record("message", request.title, request.prompt);
        return app::MessageBoxAnswer::Yes;
    }
    void record(std::string_view operation, std::string_view name, std::string_view value) const
    {
        std::string line = std::string(operation) + " " + std::string(name);
        if (!value.empty())
            line += " " + std::string(value);
        operations.push_back(std::move(line));
    }
};

}  // namespace tests
