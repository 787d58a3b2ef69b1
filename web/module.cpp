// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The exercise as a WebAssembly module for the page: the page asks for the
// face (every place, colour and text), starts the exercise, hands over each
// of the user's actions and draws the state it gets back. Everything passes
// as JSON in UTF-8, which the page reads out of the module's memory.

#include "fixed_texts.h"
#include "handlers.h"
#include "json.h"
#include "layout.h"
#include "list_keys.h"
#include "no_exception_runtime.h"
#include "speech.h"
#include "step.h"
#include "texts.h"

#include <string>

#define KVELMOR_EXPORT(name) extern "C" __attribute__((export_name(name)))

// Told by the module of a run-time error, before it stops: the page shows
// the report and takes no more input.
extern "C" __attribute__((import_module("env"), import_name("kv_failed"))) void
kvFailed(const char* report, int length);

namespace {

FormState state;
bool ended = false;
std::string reply;

std::string colour(const std::optional<Rgb>& rgb) {
    if (!rgb)
        return {};
    constexpr char hex[] = "0123456789abcdef";
    std::string css = "#";
    for (const std::uint8_t part : {rgb->red, rgb->green, rgb->blue}) {
        css += hex[part >> 4];
        css += hex[part & 15];
    }
    return css;
}

// A shown text and, where it differs, the same for the ear.
void shownAndSpoken(Json& json, std::u16string_view shown, const SpokenText& spoken) {
    json.key("shown").string(toUtf8(shown));
    json.key("spoken").string(toUtf8(spoken.text));
}

void writeState(Json& json) {
    json.key("lists").open('[');
    for (std::int16_t i = 0; i < FormState::listCount; ++i) {
        const ListBox& box = state.List1(i);
        json.open('{').key("items").open('[');
        for (const std::string& item : box.items())
            json.string(item);
        json.close(']').key("spokenItems").open('[');
        for (const std::string& item : box.items())
            json.string(toUtf8(spokenEntry(item)));
        json.close(']');
        json.key("said").string(toUtf8(spokenItems(box)));
        json.key("selected").number(box.ListIndex());
        json.key("visible").boolean(box.Visible());
        json.key("enabled").boolean(box.Enabled());
        json.close('}');
    }
    json.close(']').key("captions").open('[');
    for (std::int16_t i = 0; i < FormState::captionCount; ++i)
        json.boolean(state.Label1(i).Visible);
    json.close(']').key("modes").open('[');
    for (std::int16_t i = 0; i < FormState::modeButtonCount; ++i)
        json.open('{')
            .key("enabled")
            .boolean(state.Option1(i).Enabled)
            .key("checked")
            .boolean(state.Option1(i).Value)
            .close('}');
    json.close(']').key("result").open('{');
    const std::u16string result(state.Text2(0).Text.begin(), state.Text2(0).Text.end());
    shownAndSpoken(json, result, spokenExpression(result));
    json.close('}');
}

const char* answer(const Json& json) {
    reply = json.text();
    return reply.c_str();
}

} // namespace

// A run-time error of the exercise ends it as the window's message box does.
void endWithUncaught(const char* what) {
    const std::string report = toUtf8(failureReport(what));
    kvFailed(report.data(), static_cast<int>(report.size()));
    __builtin_trap();
}

// The length of the last answer, in bytes.
KVELMOR_EXPORT("kv_length") int kvLength() {
    return static_cast<int>(reply.size());
}

// Everything the page shows that does not change: the window, every control
// in the order they are built, the fixed texts.
KVELMOR_EXPORT("kv_face") const char* kvFace() {
    Json json;
    json.open('{');
    json.key("caption").open('{');
    shownAndSpoken(json, windowCaption, spokenProse(windowCaption));
    json.close('}');
    json.key("width").number(pixels(clientTwips.width));
    json.key("height").number(pixels(clientTwips.height));
    json.key("background").string(colour(windowBackground));
    json.key("font").string(toUtf8(fontFamily));
    json.key("fontPoints").number(fontPoints);
    json.key("photoWidth").number(photoWidth);
    json.key("photoHeight").number(photoHeight);
    json.key("failureTitle").string(toUtf8(failureTitle));
    json.key("failureButton").string(toUtf8(failureButton));
    // The numbers the page gives kv_step and kv_row_for_key, by name.
    json.key("actions").open('{');
    json.key("selectRow").number(static_cast<int>(UserAction::Kind::selectRow));
    json.key("pressButton").number(static_cast<int>(UserAction::Kind::pressButton));
    json.key("selectMode").number(static_cast<int>(UserAction::Kind::selectMode));
    json.close('}').key("listKeys").open('{');
    static constexpr std::pair<const char*, ListKey> keys[] = {
        {"up", ListKey::up},         {"down", ListKey::down},
        {"pageUp", ListKey::pageUp}, {"pageDown", ListKey::pageDown},
        {"home", ListKey::home},     {"end", ListKey::end},
        {"other", ListKey::other}};
    for (const auto& [name, key] : keys)
        json.key(name).number(static_cast<int>(key));
    json.close('}');
    json.key("controls").open('[');
    for (const Control& control : controls()) {
        static constexpr const char* kinds[] = {"caption", "list",   "frame",     "modeButton",
                                                "picture", "button", "resultBox", "textBox"};
        const Rect place = pixels(control.twips);
        json.open('{');
        json.key("name").string(control.name);
        json.key("kind").string(kinds[static_cast<int>(control.kind)]);
        json.key("index").number(arrayIndex(control));
        json.key("left").number(place.left).key("top").number(place.top);
        json.key("width").number(place.width).key("height").number(place.height);
        json.key("background").string(colour(control.background));
        json.key("tabIndex").number(control.tabIndex);
        json.key("caption").open('{');
        shownAndSpoken(json, control.caption, spokenProse(control.caption));
        json.close('}');
        json.key("accessibleName").string(toUtf8(control.accessibleName));
        json.key("container").string(control.container);
        json.key("hidden").boolean(control.hidden);
        if (!control.text.empty()) {
            const std::u16string shown = fromUtf8(fixedText(control.text));
            json.key("text").open('{');
            shownAndSpoken(json, shown, spokenProse(shown));
            json.close('}');
        }
        json.close('}');
    }
    json.close(']').close('}');
    return answer(json);
}

// The window loads: the exercise starts, and its state comes back.
KVELMOR_EXPORT("kv_start") const char* kvStart() {
    state = FormState();
    ended = false;
    Form_Load(state);
    Json json;
    json.open('{');
    writeState(json);
    json.close('}');
    return answer(json);
}

// One of the user's actions, a UserAction::Kind as kv_face numbers them:
// what it raised, what to say, and the state after. After a run-time error
// the exercise has ended and takes nothing more.
KVELMOR_EXPORT("kv_step") const char* kvStep(int kind, int index, int row) {
    Json json;
    json.open('{');
    StepOutcome outcome;
    if (!ended && kind >= 0 && kind <= static_cast<int>(UserAction::Kind::selectMode))
        outcome = step(
            state, {static_cast<UserAction::Kind>(kind), static_cast<std::int16_t>(index), row});
    ended = ended || outcome.failure.has_value();
    json.key("ran").boolean(outcome.ran);
    json.key("announcement").string(toUtf8(outcome.announcement));
    if (outcome.failure)
        json.key("failure").string(toUtf8(*outcome.failure));
    writeState(json);
    json.close('}');
    return answer(json);
}

// The row a key leads to in List1(index), from its selected row; -1 for none.
// key: a ListKey, as kv_face numbers them, with the character typed (a
// UTF-16 unit, 0 for none).
KVELMOR_EXPORT("kv_row_for_key")
int kvRowForKey(int index, int key, int typed, int rowsInSight) {
    if (index < 0 || index >= FormState::listCount || key < 0 ||
        key > static_cast<int>(ListKey::other))
        return -1;
    const ListBox& box = state.List1(static_cast<std::int16_t>(index));
    const char16_t character = static_cast<char16_t>(typed);
    const std::optional<int> row =
        rowForKey(static_cast<ListKey>(key), typed ? std::u16string_view(&character, 1) : u"",
                  box.items(), box.ListIndex(), rowsInSight);
    return row.value_or(-1);
}
