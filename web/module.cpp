// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The exercise as a WebAssembly module for the page: the page asks for the
// face (every place, colour and text), starts the exercise, hands over each
// of the user's actions and draws the view it gets back. Everything passes
// as JSON in UTF-8, which the page reads out of the module's memory.

#include "json.h"
#include "list_keys.h"
#include "no_exception_runtime.h"
#include "step.h"
#include "view.h"

#include <algorithm>
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

Json& text(Json& json, std::u16string_view text) {
    return json.string(toUtf8(text));
}

// A text as shown and as said.
Json& shownText(Json& json, const ShownText& shown) {
    json.open('{').key("shown");
    text(json, shown.shown).key("spoken");
    return text(json, shown.spoken.text).close('}');
}

Json& texts(Json& json, const std::vector<std::u16string>& all) {
    json.open('[');
    for (const std::u16string& each : all)
        text(json, each);
    return json.close(']');
}

void writeView(Json& json, const StateView& view) {
    json.key("lists").open('[');
    for (const ListView& list : view.lists) {
        json.open('{').key("items");
        texts(json, list.items).key("spokenItems");
        texts(json, list.spokenItems).key("said");
        text(json, list.said);
        json.key("selected").number(list.selected);
        json.key("visible").boolean(list.visible);
        json.key("enabled").boolean(list.enabled);
        json.key("room").number(list.room);
        json.close('}');
    }
    json.close(']').key("captions").open('[');
    for (const bool shown : view.captions)
        json.boolean(shown);
    json.close(']').key("modes").open('[');
    for (const ModeView& mode : view.modes)
        json.open('{')
            .key("enabled")
            .boolean(mode.enabled)
            .key("checked")
            .boolean(mode.checked)
            .close('}');
    json.close(']').key("result");
    shownText(json, view.result);
}

// What a step raised, what to say, and the view after it. A run-time error
// never comes back this way: the module has no exception runtime, so the
// error ends it through kv_failed as it is raised.
const char* answer(const StepOutcome& outcome) {
    Json json;
    json.open('{');
    json.key("ran").boolean(outcome.ran);
    json.key("announcement");
    text(json, outcome.announcement);
    writeView(json, viewOf(state));
    reply = json.close('}').text();
    return reply.c_str();
}

void writeControl(Json& json, const ControlFace& each) {
    static constexpr const char* kinds[] = {"caption", "list",   "frame",     "modeButton",
                                            "picture", "button", "resultBox", "textBox"};
    const Control& control = each.control;
    const Rect place = pixels(control.twips);
    const std::span<const ControlId> order = readingOrder();
    json.open('{');
    json.key("name").string(each.name);
    json.key("kind").string(kinds[static_cast<int>(control.kind)]);
    json.key("index").number(control.id.index);
    json.key("left").number(place.left).key("top").number(place.top);
    json.key("width").number(place.width).key("height").number(place.height);
    json.key("background").string(colour(control.background));
    json.key("tabIndex").number(control.tabIndex);
    json.key("reading").number(std::ranges::find(order, control.id) - order.begin());
    json.key("caption");
    shownText(json, each.caption);
    json.key("accessibleName");
    text(json, control.accessibleName);
    json.key("container").string(control.container ? controlName(*control.container) : "");
    // For a caption, the control it names; none for the title.
    if (control.kind == ControlKind::caption) {
        const auto named =
            std::ranges::find(controls(), std::optional(control.id),
                              [](const Control& other) { return captionOf(other.id); });
        json.key("names").string(named == controls().end() ? "" : controlName(named->id));
    }
    json.key("hidden").boolean(control.hidden);
    if (!each.text.shown.empty()) {
        json.key("text");
        shownText(json, each.text);
    }
    json.close('}');
}

} // namespace

// A run-time error of the exercise ends it as the window's message box does.
void endWithUncaught(const char* what) {
    ended = true;
    const std::string report = toUtf8(failureReport(what));
    kvFailed(report.data(), static_cast<int>(report.size()));
    __builtin_trap();
}

// The length of the last answer, in bytes.
KVELMOR_EXPORT("kv_length") int kvLength() {
    return static_cast<int>(reply.size());
}

// Everything the page shows that does not change: the window, every control
// in the order they are built, the help, the fixed texts.
KVELMOR_EXPORT("kv_face") const char* kvFace() {
    const Face& made = face();
    Json json;
    json.open('{');
    json.key("caption");
    shownText(json, made.caption);
    json.key("description");
    text(json, made.description);
    json.key("width").number(pixels(clientTwips.width));
    json.key("height").number(pixels(clientTwips.height));
    json.key("background").string(colour(windowBackground));
    json.key("font");
    text(json, fontFamily);
    json.key("fontPoints").number(fontPoints);
    json.key("photoWidth").number(photoWidth);
    json.key("photoHeight").number(photoHeight);
    json.key("failureTitle");
    text(json, made.failureTitle);
    json.key("failureButton");
    text(json, made.failureButton);
    json.key("failureLead");
    text(json, made.failureLead);
    json.key("help").open('{').key("title");
    text(json, made.helpTitle).key("close");
    text(json, made.helpClose).key("button");
    text(json, made.helpButton).key("buttonName");
    text(json, made.helpButtonName).key("key");
    text(json, made.helpKey).key("stateKey");
    text(json, made.wholeStateKey).key("rows").open('[');
    for (const HelpRow& row : made.help) {
        json.open('{').key("keys");
        text(json, row.keys).key("action");
        text(json, row.action).key("spoken");
        text(json, row.spoken).close('}');
    }
    json.close(']').close('}');
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
    for (const ControlFace& each : made.controls)
        writeControl(json, each);
    reply = json.close(']').close('}').text();
    return reply.c_str();
}

// The window loads: the exercise starts, and its view comes back.
KVELMOR_EXPORT("kv_start") const char* kvStart() {
    ended = false;
    return answer(start(state));
}

// One of the user's actions, a UserAction::Kind as kv_face numbers them:
// what it raised, what to say, and the view after. After a run-time error
// the exercise has ended and takes nothing more.
KVELMOR_EXPORT("kv_step") const char* kvStep(int kind, int index, int row) {
    StepOutcome outcome;
    if (!ended && kind >= 0 && kind <= static_cast<int>(UserAction::Kind::selectMode))
        outcome = step(
            state, {static_cast<UserAction::Kind>(kind), static_cast<std::int16_t>(index), row});
    return answer(outcome);
}

// The whole state in one sentence, as F2 asks; nothing changes.
KVELMOR_EXPORT("kv_tell_state") const char* kvTellState() {
    return answer(ended ? StepOutcome() : tellWholeState(state));
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
