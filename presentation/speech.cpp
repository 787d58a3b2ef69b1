// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech.h"

#include "weights.h"

#include <algorithm>

using namespace control;

namespace {

std::u16string widened(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// A Latin or a Cyrillic letter.
bool isLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'А' && c <= u'я');
}

// "2", "2 и 5", "2, 5 и 7": a list as one says it aloud.
std::u16string spokenList(const std::vector<std::string>& items) {
    std::u16string said;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            said += i + 1 == items.size() ? u" и " : u", ";
        said += spokenEntry(items[i]);
    }
    return said;
}

std::u16string choosingGuide(int left) {
    switch (left) {
    case 1:
        return u"Изберете още една тежест.";
    case 2:
        return u"Изберете още две тежести.";
    default:
        return u"Изберете три тежести от списъка Налични.";
    }
}

// A sentence about a list's weights, in the singular or the plural, or the
// one for none: "Можете да поставите тежестта 9.", "... тежестите 1 и 6."
std::u16string byCount(const ListBox& box, std::u16string_view none, std::u16string_view one,
                       std::u16string_view more) {
    if (box.ListCount() == 0)
        return std::u16string(none);
    return std::u16string(box.ListCount() == 1 ? one : more) + spokenList(box.items()) + u".";
}

// The weights the pans hold are those that can still be placed.
std::u16string placeableWeights(const FormState& state) {
    return byCount(state.List1(leftPan), u"Няма тежести за поставяне.",
                   u"Можете да поставите тежестта ", u"Можете да поставите тежестите ");
}

// While a choice is unfinished, what is still to choose comes first, then
// whatever the pans hold of the weights chosen so far.
std::u16string placeable(const FormState& state) {
    const int left = weightsStillToChoose(state);
    if (!left)
        return placeableWeights(state);
    if (state.List1(leftPan).ListCount() == 0)
        return choosingGuide(left);
    return choosingGuide(left) + u" " + placeableWeights(state);
}

// The one value that is in the list now and was not before.
std::string added(const ListBox& before, const ListBox& after) {
    for (const std::string& text : after.items())
        if (std::find(before.items().begin(), before.items().end(), text) == before.items().end())
            return text;
    return {};
}

std::u16string placing(const FormState& before, const FormState& after) {
    const ListBox& placed = after.List1(placedList);
    if (placed.ListCount() > before.List1(placedList).ListCount()) {
        // A weight from the right pan is recorded with a minus sign.
        const PlacedWeight weight = placedWeight(placed.items().back());
        return u"Тежестта " + widened(weight.weight) +
               (weight.pan == leftPan ? u" е в лявото блюдо." : u" е в дясното блюдо.");
    }
    const std::string chosen = added(before.List1(selectedList), after.List1(selectedList));
    if (chosen.empty())
        return {};
    std::u16string sentence = u"Избрахте " + widened(chosen) + u".";
    if (const int left = weightsStillToChoose(after))
        return sentence + u" " + choosingGuide(left);
    // The last value of a choice: the mode buttons are there again.
    return sentence + u" Избрани са " + spokenList(after.List1(selectedList).items()) +
           u". Вече можете да изберете режим Измерва.";
}

// The result as one sentence: "9 минус 6 плюс 1 е равно на 4.", or
// "Резултатът е 9." for one weight.
std::u16string result(const FormState& state) {
    const std::u16string shown = widened(state.Text2(0).Text);
    const std::size_t equals = shown.find(u" = ");
    if (equals != std::u16string::npos)
        return spokenExpression(shown.substr(0, equals)).text + u" е равно на " +
               spokenExpression(shown.substr(equals + 3)).text + u".";
    return u"Резултатът е " + spokenExpression(shown).text + u".";
}

// What lies on each pan, in the order it was placed.
std::u16string pans(const FormState& state) {
    std::vector<std::string> on[2];
    for (const std::string& entry : state.List1(placedList).items()) {
        const PlacedWeight weight = placedWeight(entry);
        on[weight.pan == leftPan ? 0 : 1].emplace_back(weight.weight);
    }
    if (on[0].empty() && on[1].empty())
        return u"Блюдата са празни.";
    const auto holds = [](const std::vector<std::string>& weights) {
        return (weights.size() == 1 ? u" е " : u" са ") + spokenList(weights);
    };
    const std::u16string left =
        on[0].empty() ? u"Лявото блюдо е празно" : u"В лявото блюдо" + holds(on[0]);
    const std::u16string right = on[1].empty() ? u"дясното е празно" : u"в дясното" + holds(on[1]);
    return left + u", " + right + u".";
}

// The weights chosen so far: "Избрана е тежестта 2.", "Избрани са тежестите 2 и 5."
std::u16string chosen(const ListBox& selected) {
    return byCount(selected, u"Още няма избрани тежести.", u"Избрана е тежестта ",
                   u"Избрани са тежестите ");
}

// What the pans, the placed list and the result box show.
std::u16string measurement(const FormState& state) {
    std::u16string sentence = pans(state) + u" " + placeableWeights(state);
    if (!state.Text2(0).Text.empty())
        sentence += u" " + result(state);
    return sentence;
}

// Cleared during a choice, the pans hold the weights chosen so far, which
// can be placed and measured before the choice is finished.
bool measuringWhileChoosing(const FormState& state) {
    return state.List1(leftPan).ListCount() > 0 || state.List1(placedList).ListCount() > 0 ||
           !state.Text2(0).Text.empty();
}

} // namespace

std::u16string wholeState(const FormState& state) {
    const ListBox& selected = state.List1(selectedList);
    std::u16string sentence;
    if (const int left = weightsStillToChoose(state))
        sentence = u"Избирате тежести. " + chosen(selected) + u" " + choosingGuide(left);
    else if (state.List1(availableList).Visible())
        // A finished choice, before measuring with it.
        sentence = chosen(selected) + u" Вече можете да изберете режим Измерва.";
    else
        return measurement(state);
    if (measuringWhileChoosing(state))
        sentence += u" " + measurement(state);
    return sentence;
}

std::u16string spokenEntry(std::string_view entry) {
    const PlacedWeight weight = placedWeight(entry);
    return weight.pan == leftPan ? widened(weight.weight) : u"минус " + widened(weight.weight);
}

std::u16string spokenItems(const ListBox& box) {
    return box.ListCount() == 0 ? u"празен" : spokenList(box.items());
}

SpokenText spokenExpression(std::u16string_view shown) {
    // Sign by sign, so that each spoken word knows the sign it reads: a minus
    // before a digit is the number's own sign, "минус" and then the number.
    SpokenText spoken;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const char16_t sign = shown[i];
        const bool beforeDigit = i + 1 < shown.size() && isDigit(shown[i + 1]);
        std::u16string_view word(&shown[i], 1);
        if (sign == u'-')
            word = beforeDigit ? u"минус " : u"минус";
        else if (sign == u'+')
            word = u"плюс";
        else if (sign == u'=')
            word = u"равно на";
        spoken.text += word;
        spoken.shownOffset.insert(spoken.shownOffset.end(), word.size(), static_cast<int>(i));
    }
    return spoken;
}

SpokenText spokenProse(std::u16string_view shown) {
    SpokenText spoken;
    const auto n = static_cast<int>(shown.size());
    const auto at = [&](int i) { return i >= 0 && i < n ? shown[i] : u'\0'; };
    // An operand is a number or a weight's name, "a1".
    const auto operandStarts = [&](int i) {
        return isDigit(at(i)) || (at(i) == u'a' && isDigit(at(i + 1)));
    };
    const auto digitsFrom = [&](int i) {
        while (isDigit(at(i)))
            ++i;
        return i;
    };
    const auto say = [&spoken](std::u16string_view words, int from) {
        spoken.text += words;
        spoken.shownOffset.insert(spoken.shownOffset.end(), words.size(), from);
    };
    for (int i = 0; i < n; ++i) {
        const char16_t c = shown[i];
        if (c == u' ' && at(i + 1) == u'-' && at(i + 2) == u' ') {
            // A dash between words is a pause, as a comma is.
            say(u",", i + 1);
            ++i;
        } else if ((c == u'-' || c == u'+') && operandStarts(i + 1)) {
            const std::u16string_view word = c == u'-' ? u"минус" : u"плюс";
            if (isDigit(at(i - 1)))
                say(u" ", i);
            say(word, i);
            say(u" ", i);
        } else if (c == u',' && isDigit(at(i - 1)) && (operandStarts(i + 1) || at(i + 1) == u'-')) {
            say(u", ", i);
        } else if (const int dots = digitsFrom(i + 1);
                   c == u'[' && dots > i + 1 && at(dots) == u'.' && at(dots + 1) == u'.' &&
                   digitsFrom(dots + 2) > dots + 2 && at(digitsFrom(dots + 2)) == u']') {
            // "[1..10]": a range of numbers.
            const int end = digitsFrom(dots + 2);
            say(u"от ", i);
            for (int k = i + 1; k < dots; ++k)
                say(shown.substr(k, 1), k);
            say(u" до ", dots);
            for (int k = dots + 2; k < end; ++k)
                say(shown.substr(k, 1), k);
            i = end;
        } else if (c == u':' || c == u';' || c == u'(' || c == u')') {
            // Marks that a synthesizer would say as words are pauses.
            say(c == u'(' ? u", " : u",", i);
        } else if (c == u'-' && isLetter(at(i - 1)) && isLetter(at(i + 1))) {
            // "най-малката", "On-Click": one word to the eye, two to the ear.
            say(u" ", i);
        } else if (c == u'т' && at(i + 1) == u'.' && at(i + 2) == u'е' && at(i + 3) == u'.' &&
                   !isLetter(at(i - 1))) {
            say(u"тоест", i);
            i += 3;
        } else {
            say(shown.substr(i, 1), i);
        }
    }
    return spoken;
}

std::u16string announcementFor(const FormState& before, const FormState& after,
                               const UserAction& action) {
    using Kind = UserAction::Kind;
    switch (action.kind) {
    case Kind::selectRow:
        return placing(before, after);
    case Kind::pressButton:
        // Pressed again, "Изчисли" says the result again, for whoever missed it.
        if (action.index == calculate)
            return after.List1(placedList).ListCount() == 0
                       ? u"Няма поставени тежести. " + result(after)
                       : result(after);
        // While a choice is unfinished, "Изчисти" says what is still to
        // choose, even where it changed nothing, so that it is never silent.
        if (action.index == clear && (before != after || weightsStillToChoose(after)))
            return u"Везната е изчистена. " + placeable(after);
        return {};
    case Kind::selectMode:
        if (before == after)
            return {};
        if (action.index == choosing)
            return u"Режим Избира. " + choosingGuide(3);
        return u"Режим Измерва. " + placeable(after);
    }
    return {};
}
