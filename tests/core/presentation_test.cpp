// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fixed_texts.h"
#include "layout.h"
#include "list_keys.h"
#include "session.h"
#include "speech.h"
#include "step.h"
#include "texts.h"
#include "throws.h"
#include "view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

using namespace control;

namespace {

// Every control where the window must show it, in twips, with its caption.
struct Placement {
    const char* name;
    ControlId id;
    Rect twips;
    std::optional<Rgb> background;
    int tabIndex;
    std::u16string_view caption;
    std::u16string_view accessibleName = u""; // what a screen reader calls it, if not its caption
};

using A = ControlArray;
const Rgb caption{255, 192, 128};
const Placement designed[] = {
    {"Label1(0)",
     {A::Label1, 0},
     {960, 0, 4575, 375},
     caption,
     2,
     u"Логика - везна и комбинации от тежести "},
    {"Label1(1)", {A::Label1, 1}, {240, 480, 855, 375}, caption, 9, u"Ляво"},
    {"Label1(2)", {A::Label1, 2}, {4560, 480, 855, 375}, caption, 10, u"Дясно"},
    {"Label1(3)", {A::Label1, 3}, {1680, 2760, 2295, 375}, caption, 11, u"Измервана маса"},
    {"Label1(4)", {A::Label1, 4}, {4560, 2040, 975, 375}, caption, 18, u"Налични"},
    {"Label1(5)", {A::Label1, 5}, {5640, 2040, 975, 375}, caption, 19, u"Избрани"},
    {"List1(0)", {A::List1, 0}, {240, 840, 855, 915}, {}, 3, u"", u"Ляво"},
    {"List1(1)", {A::List1, 1}, {4560, 840, 855, 915}, {}, 5, u"", u"Дясно"},
    {"List1(2)", {A::List1, 2}, {240, 2040, 855, 630}, {}, 7, u"", u"Поставени тежести"},
    {"List1(3)", {A::List1, 3}, {4560, 2400, 975, 1200}, {}, 16, u"", u"Налични"},
    {"List1(4)", {A::List1, 4}, {5640, 2400, 975, 1200}, {}, 17, u"", u"Избрани"},
    {"Frame1", {A::Frame1}, {5640, 840, 1575, 975}, Rgb{192, 192, 255}, 13, u"Режим"},
    {"Option1(0)", {A::Option1, 0}, {120, 240, 1335, 285}, Rgb{255, 192, 255}, 14, u"Измерва"},
    {"Option1(1)", {A::Option1, 1}, {120, 600, 1335, 285}, Rgb{255, 192, 255}, 15, u"Избира"},
    {"Picture1", {A::Picture1}, {1320, 600, 2985, 2055}, {}, 12, u"", u"Везна с тежести"},
    {"Command1(0)", {A::Command1, 0}, {120, 2760, 1095, 375}, Rgb{128, 255, 128}, 8, u"Изчисли"},
    {"Command1(1)", {A::Command1, 1}, {120, 3240, 1095, 375}, Rgb{255, 128, 128}, 6, u"Изчисти"},
    {"Text2(0)", {A::Text2, 0}, {1320, 3120, 3015, 495}, {}, 4, u"", u"Измервана маса"},
    {"Text1(0)", {A::Text1, 0}, {120, 3720, 6735, 1335}, {}, 0, u"", u"Условие на задачата"},
    {"Text1(1)", {A::Text1, 1}, {600, 3960, 6735, 1815}, {}, 1, u"", u"Мисъл"},
};

class Layout : public testing::TestWithParam<Placement> {};

TEST_P(Layout, eachControlStandsWhereDesignedWithItsCaption) {
    const Placement& designed = GetParam();
    const Control& control = controlById(designed.id);
    EXPECT_EQ(controlName(designed.id), designed.name);
    EXPECT_EQ(control.twips, designed.twips);
    EXPECT_EQ(control.background, designed.background);
    EXPECT_EQ(control.tabIndex, designed.tabIndex);
    EXPECT_EQ(toUtf8(control.caption), toUtf8(designed.caption));
    EXPECT_EQ(toUtf8(control.accessibleName), toUtf8(designed.accessibleName));
    // Every control a screen reader can reach says what it is.
    EXPECT_FALSE(control.caption.empty() && control.accessibleName.empty());
}

INSTANTIATE_TEST_SUITE_P(Window, Layout, testing::ValuesIn(designed),
                         [](const testing::TestParamInfo<Placement>& info) {
                             std::string name = info.param.name;
                             std::erase(name, '(');
                             std::erase(name, ')');
                             return name;
                         });

TEST(Layout, theWindowAndItsControlsAsAWhole) {
    EXPECT_EQ(controls().size(), std::size(designed));
    std::set<int> tabs;
    for (const Control& control : controls())
        tabs.insert(control.tabIndex);
    EXPECT_EQ(tabs.size(), controls().size()) << "two controls share a place in the focus order";
    EXPECT_EQ(pixels(clientTwips), (Rect{0, 0, 494, 345}));
    EXPECT_EQ(windowBackground, (Rgb{192, 192, 255}));
    // The picture box sizes itself to the photograph and its border.
    EXPECT_EQ(pixels(controlById({A::Picture1}).twips),
              (Rect{88, 40, photoWidth + 2 * photoBorder, photoHeight + 2 * photoBorder}));
    EXPECT_EQ(controlById({A::Option1, 1}).container, ControlId{A::Frame1});
    EXPECT_EQ(controlById({A::List1, 0}).container, std::nullopt);
    EXPECT_TRUE(controlById({A::Text1, 1}).hidden);
    EXPECT_FALSE(controlById({A::Text1, 0}).hidden);
    // A caption names the control below it.
    EXPECT_EQ(captionOf({A::List1, 1}), (ControlId{A::Label1, 2}));
    EXPECT_EQ(captionOf({A::Text2, 0}), (ControlId{A::Label1, 3}));
    EXPECT_EQ(captionOf({A::List1, 2}), std::nullopt);
    // Laid out one below the other: the title first, then the focus order
    // with each caption just before the control it names.
    const std::vector<std::string> column{"Label1(0)", "Text1(0)",    "Text1(1)",   "Label1(1)",
                                          "List1(0)",  "Label1(3)",   "Text2(0)",   "Label1(2)",
                                          "List1(1)",  "Command1(1)", "List1(2)",   "Command1(0)",
                                          "Picture1",  "Frame1",      "Option1(0)", "Option1(1)",
                                          "Label1(4)", "List1(3)",    "Label1(5)",  "List1(4)"};
    std::vector<std::string> read;
    for (const ControlId id : readingOrder())
        read.push_back(controlName(id));
    EXPECT_EQ(read, column);
    SKIP_UNLESS_CATCHABLE();
    EXPECT_THROW(controlById({A::List1, 5}), std::out_of_range);
    EXPECT_THROW((face()[ControlId{A::Label1, 6}]), std::out_of_range);
}

// The fixed texts as stored, against the lines they must hold, blanks and all.
TEST(FixedTexts, storedAsWrittenAndShownWithPlainLineBreaks) {
    const std::u16string instructions = fromUtf8(storedText(FixedText::instructions));
    EXPECT_EQ(instructions.size(), 2057u);
    std::vector<std::u16string> lines;
    for (std::size_t from = 0;;) {
        const std::size_t end = instructions.find(u"\r\n", from);
        lines.push_back(instructions.substr(from, end - from));
        if (end == std::u16string::npos)
            break;
        from = end + 2;
    }
    ASSERT_EQ(lines.size(), 31u);
    const std::pair<int, std::u16string_view> expected[] = {
        {3, u"Тема на проекта: Логика - везна и комбинации от тежести"},
        {6, u""},
        {9, u" 1. Предмет с тегло: a1"},
        {10, u" 2.  Предмет с тегло: a2;"},
        {13, u" 5.  Предмет с тегло: a1-a2"},
        {22, u" 14.  Предмет с тегло:  a1+a2-a3;"},
        {28, u" 20.  Предмет с тегло:  -a1-a2-a3"},
        {31, u""},
    };
    for (const auto& [line, text] : expected)
        EXPECT_EQ(toUtf8(lines[line - 1]), toUtf8(text)) << "line " << line;
    EXPECT_TRUE(lines[3].ends_with(u"със съответен знак. "));
    EXPECT_TRUE(lines[7].ends_with(u"везната:  "));
    for (int line = 9; line <= 28; ++line) {
        std::u16string number(u" ");
        number += fromUtf8(std::to_string(line - 8));
        number += u'.';
        EXPECT_TRUE(lines[line - 1].starts_with(number)) << "line " << line;
    }
    EXPECT_EQ(toUtf8(fromUtf8(storedText(FixedText::saying))),
              "Неприятното в това да си първият, направил нещо по \r\n"
              "правилния начин, е, че никой не оценява колко трудно е \r\nбило. \r\n");
    EXPECT_EQ(storedText(FixedText::none), "");

    // Every front end shows them with "\n" alone, and reads them for the ear.
    const ShownText& shown = (face()[{A::Text1, 0}]).text;
    EXPECT_EQ(shown.shown.size(), instructions.size() - 30);
    EXPECT_EQ(shown.shown.find(u'\r'), std::u16string::npos);
    EXPECT_EQ(shown.spoken.shownOffset.size(), shown.spoken.text.size());
    EXPECT_NE(shown.spoken.text.find(u"от 1 до 10"), std::u16string::npos);
    EXPECT_TRUE((face()[{A::List1, 0}]).text.shown.empty());
}

// A table with a control missing, twice or outside its array would leave a
// front end without a widget for it, or with one it cannot find.
TEST(Layout, aTableWithAControlMissingIsRefused) {
    const std::vector<Control> whole(controls().begin(), controls().end());
    EXPECT_TRUE(holdsEachControlOnce(whole));
    EXPECT_FALSE(holdsEachControlOnce(std::span(whole).first(whole.size() - 1)));
    for (std::size_t i = 0; i < whole.size(); ++i) {
        std::vector<Control> twice = whole;
        twice[i] = whole[(i + 1) % whole.size()];
        EXPECT_FALSE(holdsEachControlOnce(twice)) << controlName(whole[i].id);
    }
    std::vector<Control> outside = whole;
    outside.back().id.index = static_cast<std::int16_t>(arraySize(outside.back().id.array));
    EXPECT_FALSE(holdsEachControlOnce(outside));
}

// One step of a session: select the row with this text in a list, press a
// button or select a mode; or, with no kind, ask for the whole state (F2).
struct Step {
    std::optional<UserAction::Kind> kind;
    std::int16_t index;
    const char* text = "";
};

struct SentenceCase {
    const char* name;
    std::vector<Step> steps;
    std::u16string_view spoken; // for the last step
};

using K = UserAction::Kind;
const Step left9{K::selectRow, 0, "9"}, right6{K::selectRow, 1, "6"}, left1{K::selectRow, 0, "1"};
const Step calculate{K::pressButton, 0}, clear{K::pressButton, 1};
const Step choose{K::selectMode, 1}, measure{K::selectMode, 0};
const Step pick2{K::selectRow, 3, "2"}, pick5{K::selectRow, 3, "5"}, pick7{K::selectRow, 3, "7"};
const Step wholeState{std::nullopt, 0};

// What a screen reader hears for the last step of each session, and nothing
// for a step that changed nothing.
const SentenceCase sentences[] = {
    {"leftPan", {left9}, u"Тежестта 9 е в лявото блюдо."},
    {"rightPan", {left9, right6}, u"Тежестта 6 е в дясното блюдо."},
    {"result", {left9, right6, left1, calculate}, u"9 минус 6 плюс 1 е равно на 4."},
    {"resultFromTheRightPanFirst",
     {right6, left1, calculate},
     u"минус 6 плюс 1 е равно на минус 5."},
    {"resultOfOneWeight", {left9, calculate}, u"Резултатът е 9."},
    {"resultOfNothingPlaced", {calculate}, u"Няма поставени тежести. Резултатът е 0."},
    {"resultAgainForWhoeverMissedIt",
     {left9, right6, calculate, calculate},
     u"9 минус 6 е равно на 3."},
    {"clear", {left9, clear}, u"Везната е изчистена. Можете да поставите тежестите 1, 6 и 9."},
    {"clearAClearBalance", {clear}, u""},
    {"placedList", {left9, {K::selectRow, 2, "9"}}, u""},
    {"choosing", {choose}, u"Режим Избира. Изберете три тежести от списъка Налични."},
    {"aValue", {choose, pick2}, u"Избрахте 2. Изберете още две тежести."},
    {"aSecondValue", {choose, pick2, pick7}, u"Избрахте 7. Изберете още една тежест."},
    {"theThirdValue",
     {choose, pick2, pick7, pick5},
     u"Избрахте 5. Избрани са 2, 5 и 7. Вече можете да изберете режим Измерва."},
    {"aFourthValue", {choose, pick2, pick7, pick5, {K::selectRow, 3, "1"}}, u""},
    {"measuring",
     {choose, pick2, pick7, pick5, measure},
     u"Режим Измерва. Можете да поставите тежестите 2, 5 и 7."},
    {"clearAfterTheChoice",
     {choose, pick2, pick7, pick5, clear},
     u"Везната е изчистена. Можете да поставите тежестите 2, 5 и 7."},
    {"clearWithOneChosen",
     {choose, pick2, clear},
     u"Везната е изчистена. Изберете още две тежести. Можете да поставите тежестта 2."},
    {"clearWithTwoChosen",
     {choose, pick2, pick7, clear},
     u"Везната е изчистена. Изберете още една тежест. Можете да поставите тежестите 2 и 7."},
    {"clearWithNoneChosen",
     {choose, calculate, clear},
     u"Везната е изчистена. Изберете три тежести от списъка Налични."},
    {"clearBeforeChoosingAny",
     {choose, clear},
     u"Везната е изчистена. Изберете три тежести от списъка Налични."},
    {"clearAgainWhileChoosing",
     {choose, pick2, clear, clear},
     u"Везната е изчистена. Изберете още две тежести. Можете да поставите тежестта 2."},
    {"aValueAfterClear", {choose, pick2, clear, pick7}, u"Избрахте 7. Изберете още една тежест."},
    // The whole state on a key.
    {"wholeStateAtStart",
     {wholeState},
     u"Блюдата са празни. Можете да поставите тежестите 1, 6 и 9."},
    {"wholeStateAfterAMeasurement",
     {left9, right6, left1, calculate, wholeState},
     u"В лявото блюдо са 9 и 1, в дясното е 6. Няма тежести за поставяне. "
     u"9 минус 6 плюс 1 е равно на 4."},
    {"wholeStateAgain",
     {left9, right6, left1, calculate, wholeState, wholeState},
     u"В лявото блюдо са 9 и 1, в дясното е 6. Няма тежести за поставяне. "
     u"9 минус 6 плюс 1 е равно на 4."},
    {"wholeStateWithTheLeftPanOnly",
     {left9, wholeState},
     u"В лявото блюдо е 9, дясното е празно. Можете да поставите тежестите 1 и 6."},
    {"wholeStateWithOneOnEachPan",
     {right6, left1, wholeState},
     u"В лявото блюдо е 1, в дясното е 6. Можете да поставите тежестта 9."},
    {"wholeStateWithARightPanOnly",
     {right6, {K::selectRow, 1, "9"}, wholeState},
     u"Лявото блюдо е празно, в дясното са 6 и 9. Можете да поставите тежестта 1."},
    {"wholeStateWithOneWeightCalculated",
     {left9, calculate, wholeState},
     u"В лявото блюдо е 9, дясното е празно. Можете да поставите тежестите 1 и 6. "
     u"Резултатът е 9."},
    {"wholeStateWithNothingCalculated",
     {calculate, wholeState},
     u"Блюдата са празни. Можете да поставите тежестите 1, 6 и 9. Резултатът е 0."},
    {"wholeStateBeforeChoosing",
     {choose, wholeState},
     u"Избирате тежести. Още няма избрани тежести. Изберете три тежести от списъка Налични."},
    {"wholeStateWithOneChosen",
     {choose, pick7, wholeState},
     u"Избирате тежести. Избрана е тежестта 7. Изберете още две тежести."},
    {"wholeStateWithTwoChosen",
     {choose, pick7, pick2, wholeState},
     u"Избирате тежести. Избрани са тежестите 2 и 7. Изберете още една тежест."},
    {"wholeStateWithTheChoiceMade",
     {choose, pick7, pick2, pick5, wholeState},
     u"Избрани са тежестите 2, 5 и 7. Вече можете да изберете режим Измерва."},
    {"wholeStateClearedWhileChoosing",
     {choose, pick2, clear, wholeState},
     u"Избирате тежести. Избрана е тежестта 2. Изберете още две тежести. "
     u"Блюдата са празни. Можете да поставите тежестта 2."},
    {"wholeStateMeasuredWhileChoosing",
     {choose, pick2, clear, {K::selectRow, 0, "2"}, calculate, wholeState},
     u"Избирате тежести. Избрана е тежестта 2. Изберете още две тежести. "
     u"В лявото блюдо е 2, дясното е празно. Няма тежести за поставяне. Резултатът е 2."},
    {"wholeStateChoiceFinishedAfterMeasuring",
     {choose, pick2, clear, {K::selectRow, 0, "2"}, pick7, pick5, wholeState},
     u"Избрани са тежестите 2, 5 и 7. Вече можете да изберете режим Измерва. "
     u"В лявото блюдо е 2, дясното е празно. Няма тежести за поставяне."},
    {"wholeStateMeasuringTheChosen",
     {choose, pick7, pick2, pick5, measure, {K::selectRow, 1, "5"}, wholeState},
     u"Лявото блюдо е празно, в дясното е 5. Можете да поставите тежестите 2 и 7."},
};

class Sentences : public testing::TestWithParam<SentenceCase> {};

TEST_P(Sentences, eachConsequenceIsSaidForTheEar) {
    FormState state = loadedState();
    StepOutcome last;
    for (const Step& s : GetParam().steps) {
        if (!s.kind) {
            const FormState before = state;
            last = tellWholeState(state);
            EXPECT_EQ(state, before);
            EXPECT_FALSE(last.ran);
        } else {
            UserAction action{*s.kind, s.index};
            if (s.kind == K::selectRow) {
                const Items& items = itemsOf(state, s.index);
                action.row =
                    static_cast<int>(std::find(items.begin(), items.end(), s.text) - items.begin());
            }
            last = step(state, action);
        }
        ASSERT_FALSE(last.failure);
        // Marks that a synthesizer reads aloud ("двоеточие", "тире"), or drops.
        const std::string said = toUtf8(last.announcement);
        EXPECT_FALSE(std::regex_search(said, std::regex(":| - |=|\\+|-[0-9]"))) << said;
    }
    EXPECT_EQ(toUtf8(last.announcement), toUtf8(GetParam().spoken));
}

INSTANTIATE_TEST_SUITE_P(Speech, Sentences, testing::ValuesIn(sentences),
                         [](const testing::TestParamInfo<SentenceCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Speech, oneWeightLeftToPlaceIsSingular) {
    FormState before = loadedState();
    FormState after = before;
    for (std::int16_t pan : {leftPan, rightPan}) {
        after.List1(pan).RemoveItem(2);
        after.List1(pan).RemoveItem(1);
    }
    before.Text2(0).Text = "9";
    EXPECT_EQ(toUtf8(announcementFor(before, after, {K::pressButton, control::clear})),
              "Везната е изчистена. Можете да поставите тежестта 1.");
}

TEST(Speech, listsAreSaidAsOneSaysThem) {
    EXPECT_EQ(toUtf8(spokenEntry("-6")), "минус 6");
    EXPECT_EQ(toUtf8(spokenItems(ListBox())), "празен");
    EXPECT_EQ(toUtf8(spokenItems(ListBox({"9"}, false))), "9");
    EXPECT_EQ(toUtf8(spokenItems(ListBox({"1", "-6"}, false))), "1 и минус 6");
    EXPECT_EQ(toUtf8(spokenItems(ListBox({"1", "6", "9"}, false))), "1, 6 и 9");
}

// Shown text and its words, and for one spoken word the shown characters it reads.
struct Reading {
    const char* name;
    bool expression;
    std::u16string_view shown;
    std::u16string_view spoken;
    std::u16string_view word;
    int shownFrom; // the first shown character the word reads
};

const Reading readings[] = {
    {"expression", true, u"9 - 6 + 1 = 4", u"9 минус 6 плюс 1 равно на 4", u"плюс", 6},
    {"negativeFirst", true, u"-6 + 1 = -5", u"минус 6 плюс 1 равно на минус 5", u"равно на", 7},
    {"oneWeight", true, u"9", u"9", u"9", 0},
    {"title", false, u"Философия - Логика, везна и тежести", u"Философия, Логика, везна и тежести",
     u",", 10},
    {"combination", false, u" 14.  Предмет с тегло:  a1+a2-a3;",
     u" 14.  Предмет с тегло,  a1 плюс a2 минус a3,", u"минус", 29},
    {"allOnTheOtherPan", false, u" 17.  Предмет с тегло:  -a1+a2+a3",
     u" 17.  Предмет с тегло,  минус a1 плюс a2 плюс a3", u"минус", 24},
    {"interval", false, u"естествено число от интервала [1..10].",
     u"естествено число от интервала от 1 до 10.", u" до ", 32},
    {"listsWithoutBlanks", false, u"тежести, a1,a2,a3. При тежести: 1,6,9 могат",
     u"тежести, a1, a2, a3. При тежести, 1, 6, 9 могат", u", 6", 33},
    {"negativeNumbers", false, u"комбинации: -16, -14, 1, 2, 3, 14, 15,16,-5.",
     u"комбинации, минус 16, минус 14, 1, 2, 3, 14, 15, 16, минус 5.", u"минус 14", 17},
    {"hyphenatedWordsAreTwo", false, u"най-малката и On-Click", u"най малката и On Click",
     u" малката", 3},
    {"hyphenBetweenLettersOfEitherAlphabet", false, u"a-z, A-Z, А-я", u"a z, A Z, А я", u" Z", 6},
    {"marksArePauses", false, u"проекта: Логика; полета (играещи роля) се",
     u"проекта, Логика, полета , играещи роля, се", u", играещи", 24},
    {"thatIs", false, u"стойности, т.е. да са", u"стойности, тоест да са", u"тоест", 11},
    {"thatIsOnlyAsAWord", false, u"от.е. и 5-та", u"от.е. и 5-та", u"5-та", 8},
    {"aRangeLeftOpen", false, u"[1..10 и [1..] и [..5] остават", u"[1..10 и [1..] и [..5] остават",
     u"[..5]", 17},
};

class Readings : public testing::TestWithParam<Reading> {};

TEST_P(Readings, shownTextIsSaidInWordsThatKnowTheirPlace) {
    const Reading& r = GetParam();
    const SpokenText spoken = r.expression ? spokenExpression(r.shown) : spokenProse(r.shown);
    EXPECT_EQ(toUtf8(spoken.text), toUtf8(r.spoken));
    ASSERT_EQ(spoken.shownOffset.size(), spoken.text.size());
    EXPECT_TRUE(std::is_sorted(spoken.shownOffset.begin(), spoken.shownOffset.end()));
    const std::size_t at = spoken.text.find(r.word);
    ASSERT_NE(at, std::u16string::npos);
    EXPECT_EQ(spoken.shownOffset[at], r.shownFrom);
    EXPECT_LT(spoken.shownOffset.back(), static_cast<int>(r.shown.size()));
}

INSTANTIATE_TEST_SUITE_P(Speech, Readings, testing::ValuesIn(readings),
                         [](const testing::TestParamInfo<Reading>& info) {
                             return std::string(info.param.name);
                         });

// A text ends where it ends, though more may follow it in memory: a sign at
// its end is read alone, not with the digit or surrogate beyond it, and one
// at its start is not joined to what lies before.
TEST(Speech, aTextIsReadToItsEndsAndNoFurther) {
    const std::u16string_view expression = u"9 -5";
    EXPECT_EQ(toUtf8(spokenExpression(expression.substr(0, 3)).text), "9 минус");
    EXPECT_EQ(toUtf8(spokenProse(expression.substr(0, 3)).text), "9 -");
    const std::u16string_view prose = u"1,6 a1+a2";
    EXPECT_EQ(toUtf8(spokenProse(prose.substr(0, 7)).text), "1, 6 a1+");
    EXPECT_EQ(toUtf8(spokenProse(prose.substr(1, 2)).text), ",6");
    EXPECT_EQ(toUtf8(spokenProse(std::u16string_view(u"Тема: a1").substr(0, 4)).text), "Тема");
    const std::u16string_view smile = u"a\xd83d\xde00";
    EXPECT_EQ(toUtf8(smile.substr(0, 2)), "a\xef\xbf\xbd");
    EXPECT_EQ(toUtf8(smile), "a\xf0\x9f\x98\x80");
    // The first character past the surrogates is a character of its own,
    // not the second half of a pair.
    EXPECT_EQ(toUtf8(u"\xe000"), "\xee\x80\x80");
    EXPECT_EQ(toUtf8(u"\xd800\xe000"), "\xef\xbf\xbd\xee\x80\x80");
}

// Each character takes as many bytes as it needs, at either bound of each
// length, both ways; what is no character is read as U+FFFD, byte by byte.
TEST(Texts, utf8AtTheBoundsOfEachLength) {
    const std::pair<std::u16string_view, std::string_view> both[] = {
        {std::u16string_view(u"\0", 1), std::string_view("\0", 1)},
        {u"\x7f", "\x7f"},
        {u"\x80", "\xc2\x80"},
        {u"\x7ff", "\xdf\xbf"},
        {u"\x800", "\xe0\xa0\x80"},
        {u"\xffff", "\xef\xbf\xbf"},
        {u"\xd800\xdc00", "\xf0\x90\x80\x80"},
        {u"\xdbff\xdfff", "\xf4\x8f\xbf\xbf"},
    };
    for (const auto& [utf16, utf8] : both) {
        EXPECT_EQ(toUtf8(utf16), utf8);
        EXPECT_EQ(fromUtf8(utf8), utf16) << utf8;
    }
    EXPECT_EQ(fromUtf8("\xc0\x80"), u"\xfffd\xfffd");                     // overlong
    EXPECT_EQ(fromUtf8("\xed\xa0\x80"), u"\xfffd\xfffd\xfffd");           // the first surrogate
    EXPECT_EQ(fromUtf8("\xed\xbf\xbf"), u"\xfffd\xfffd\xfffd");           // the last
    EXPECT_EQ(fromUtf8("\xf4\x90\x80\x80"), u"\xfffd\xfffd\xfffd\xfffd"); // past U+10FFFF
    EXPECT_EQ(fromUtf8("\xe0\xa0"), u"\xfffd\xfffd");                     // cut short
}

// The view a front end draws: each list with its items as shown and said,
// what it holds, its selection and flags; the captions, the modes and the
// result in words.
TEST(View, showsAndSaysTheStateAfterEachStep) {
    FormState state;
    EXPECT_FALSE(start(state).failure);
    StateView view = viewOf(state);
    EXPECT_EQ(view.lists[leftPan],
              (ListView{{u"1", u"6", u"9"}, {u"1", u"6", u"9"}, u"1, 6 и 9", -1, true, true, 3}));
    EXPECT_EQ(view.lists[selectedList].enabled, false);
    EXPECT_EQ(view.lists[availableList].visible, false);
    EXPECT_EQ(view.captions, (std::array{true, true, true, true, false, false}));
    EXPECT_EQ(view.modes[measuring], (ModeView{true, false}));
    step(state, {K::selectRow, rightPan, 1});
    step(state, {K::selectRow, leftPan, 1});
    step(state, {K::pressButton, control::calculate});
    view = viewOf(state);
    EXPECT_EQ(view.lists[placedList],
              (ListView{{u"-6", u"9"}, {u"минус 6", u"9"}, u"минус 6 и 9", -1, true, true, 3}));
    // Room kept for a full choice, and for every value in the available list.
    EXPECT_EQ(view.lists[leftPan].room, 3);
    EXPECT_EQ(view.lists[availableList].room, 9);
    EXPECT_EQ(view.lists[selectedList].room, 3);
    EXPECT_EQ(view.lists[leftPan].said, u"1");
    EXPECT_EQ(view.result.shown, u"-6 + 9 = 3");
    EXPECT_EQ(toUtf8(view.result.spoken.text), "минус 6 плюс 9 равно на 3");
    step(state, {K::selectMode, choosing});
    view = viewOf(state);
    EXPECT_EQ(view.modes, (std::array{ModeView{false, false}, ModeView{false, true}}));
    EXPECT_EQ(view.captions[availableCaption], true);
    EXPECT_EQ(view.lists[selectedList].said, u"празен");
    EXPECT_EQ(view.lists[availableList].room, 9);
    EXPECT_EQ(view.lists[selectedList].room, 3);
    // The pans keep their room while the pupil chooses, so that the lists
    // being tapped do not move up under the finger.
    EXPECT_EQ(view.lists[leftPan].room, 3);
    EXPECT_EQ(view.lists[placedList].room, 3);
    EXPECT_TRUE(view.result.shown.empty());
}

// The face every front end builds once: the window's caption and its
// description, each control with its name and caption shown and said.
TEST(View, theFaceIsTheWindowsForEveryFrontEnd) {
    const Face& made = face();
    EXPECT_EQ(toUtf8(made.caption.shown), "Философия - Логика, везна и тежести");
    EXPECT_EQ(toUtf8(made.caption.spoken.text), "Философия, Логика, везна и тежести");
    EXPECT_EQ(toUtf8(made.description), "Натиснете F1 за помощ.");
    ASSERT_EQ(made.controls.size(), controls().size());
    for (std::size_t i = 0; i < controls().size(); ++i) {
        EXPECT_EQ(made.controls[i].control.id, controls()[i].id);
        EXPECT_EQ(made.controls[i].name, controlName(controls()[i].id));
    }
    const ControlFace& title = made[ControlId{A::Label1, 0}];
    EXPECT_EQ(toUtf8(title.caption.spoken.text), "Логика, везна и комбинации от тежести ");
    EXPECT_EQ((made[{A::Command1, 1}]).caption.shown, u"Изчисти");
    EXPECT_EQ(toUtf8(made.helpTitle), "Помощ");
    EXPECT_EQ(toUtf8(made.helpClose), "Затвори");
    EXPECT_EQ(toUtf8(made.helpButton), "Помощ (F1)");
    EXPECT_EQ(toUtf8(made.helpButtonName), "Помощ, F1");
    EXPECT_EQ(toUtf8(made.helpKey), "F1");
    EXPECT_EQ(toUtf8(made.wholeStateKey), "F2");
    EXPECT_EQ(toUtf8(made.failureTitle), "Грешка при изпълнение");
    EXPECT_EQ(toUtf8(made.failureButton), "OK");
    EXPECT_EQ(toUtf8(made.failureLead), "Възникна грешка и програмата ще бъде затворена.");
    // Every key the window answers, shown as the keys and what they do, and
    // said as one sentence with no mark read aloud.
    const std::array<std::array<const char*, 3>, 9> rows{{
        {"Tab, Shift+Tab", "преминават към следващата или към предишната контрола",
         "Tab и Shift Tab преминават към следващата или към предишната контрола."},
        {"Стрелки, Home, End, Page Up, Page Down",
         "в блюдо поставят тежестта, до която стигат; в Налични я избират",
         "Стрелките, Home, End, Page Up и Page Down в блюдо поставят тежестта, до която стигат, "
         "а в списъка Налични я избират."},
        {"Цифра", "в блюдо поставя тежестта с тази цифра; в Налични я избира",
         "Цифра в блюдо поставя тежестта с тази цифра, а в списъка Налични я избира."},
        {"Интервал", "натиска бутона или избира режима, на който е фокусът",
         "Интервал натиска бутона или избира режима, на който е фокусът."},
        {"Enter", "натиска бутона, на който е фокусът",
         "Enter натиска бутона, на който е фокусът."},
        {"Стрелки в Режим", "преминават към другия режим и го избират, щом вече има избран",
         "Стрелките в рамката Режим преминават към другия режим и го избират, щом вече има избран "
         "режим."},
        {"F2", "казва цялото състояние на упражнението",
         "F2 казва цялото състояние на упражнението."},
        {"F1", "отваря тази помощ", "F1 отваря тази помощ."},
        {"Escape", "затваря помощта", "Escape затваря помощта."},
    }};
    ASSERT_EQ(made.help.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(toUtf8(made.help[i].keys), rows[i][0]);
        EXPECT_EQ(toUtf8(made.help[i].action), rows[i][1]);
        EXPECT_EQ(toUtf8(made.help[i].spoken), rows[i][2]);
        EXPECT_FALSE(
            std::regex_search(toUtf8(made.help[i].spoken), std::regex(":|;| - |\\+|\\(|\\)")))
            << rows[i][2];
    }
    EXPECT_EQ(toUtf8(made.help[6].line()), "F2 — казва цялото състояние на упражнението");
}

struct KeyCase {
    const char* name;
    ListKey key;
    std::u16string_view typed;
    int current;
    std::optional<int> row;
};

const std::vector<std::string> values{"1", "2", "3", "4", "5", "6", "7", "8", "9"};
const KeyCase keyCases[] = {
    {"downFromNone", ListKey::down, u"", -1, 0},
    {"upFromNone", ListKey::up, u"", -1, 0},
    {"downStopsAtTheEnd", ListKey::down, u"", 8, 8},
    {"upStopsAtTheTop", ListKey::up, u"", 0, 0},
    {"pageDownKeepsARowInSight", ListKey::pageDown, u"", 1, 4},
    {"pageUpFromNone", ListKey::pageUp, u"", -1, 0},
    {"pageDownFromNone", ListKey::pageDown, u"", -1, 0},
    {"pageUpStopsAtTheTop", ListKey::pageUp, u"", 2, 0},
    {"upFromASelection", ListKey::up, u"", 3, 2},
    {"downFromASelection", ListKey::down, u"", 3, 4},
    {"pageUpFromASelection", ListKey::pageUp, u"", 6, 3},
    {"pageDownStopsAtTheEnd", ListKey::pageDown, u"", 7, 8},
    {"home", ListKey::home, u"", 5, 0},
    {"end", ListKey::end, u"", 2, 8},
    {"typedDigit", ListKey::other, u"5", -1, 4},
    {"typedDigitNotThere", ListKey::other, u"0", 3, std::nullopt},
    {"typedDigitOfTheSelectedRow", ListKey::other, u"4", 3, 3},
    {"typedBlank", ListKey::other, u" ", 3, std::nullopt},
    {"noText", ListKey::other, u"", 3, std::nullopt},
};

class Keys : public testing::TestWithParam<KeyCase> {};

TEST_P(Keys, aKeyLeadsToItsRow) {
    const KeyCase& k = GetParam();
    EXPECT_EQ(rowForKey(k.key, k.typed, values, k.current, 4), k.row);
}

INSTANTIATE_TEST_SUITE_P(ListBox, Keys, testing::ValuesIn(keyCases),
                         [](const testing::TestParamInfo<KeyCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ListBox, keysInAnEmptyListLeadNowhereAndTypingWrapsAround) {
    EXPECT_EQ(rowForKey(ListKey::home, u"", {}, -1, 4), std::nullopt);
    EXPECT_EQ(rowForKey(ListKey::other, u"a", {"a1", "b", "A2"}, 0, 4), 2);
    EXPECT_EQ(rowForKey(ListKey::other, u"a", {"a1", "b", "A2"}, 2, 4), 0);
    EXPECT_EQ(rowForKey(ListKey::pageDown, u"", values, 0, 1), 1);
}

TEST(Step, aRunTimeErrorEndsTheStepWithItsReport) {
    FormState state = loadedState();
    const StepOutcome placed = step(state, {K::selectRow, leftPan, 0});
    EXPECT_TRUE(placed.ran);
    EXPECT_FALSE(placed.failure);
    SKIP_UNLESS_CATCHABLE();
    // Pans out of step: the right pan has no row 1 to remove.
    state.List1(rightPan).RemoveItem(1);
    const StepOutcome failed = step(state, {K::selectRow, leftPan, 1});
    EXPECT_FALSE(failed.ran);
    EXPECT_TRUE(failed.announcement.empty());
    ASSERT_TRUE(failed.failure);
    const std::string report = toUtf8(*failed.failure);
    EXPECT_TRUE(report.starts_with("Възникна грешка и програмата ще бъде затворена.\n\n"))
        << report;
    EXPECT_NE(report.find("RemoveItem"), std::string::npos) << report;
    EXPECT_EQ(toUtf8(failureTitle), "Грешка при изпълнение");
}

TEST(Texts, utf8IsReadWholeAndMalformedBytesAreMarked) {
    EXPECT_EQ(fromUtf8("a1 \xd0\x96 \xe2\x82\xac \xf0\x9f\x98\x80"), u"a1 Ж € \U0001F600");
    EXPECT_EQ(fromUtf8("\xd0"), u"\ufffd");
    EXPECT_EQ(fromUtf8("\xc0\xaf!"), u"\ufffd\ufffd!");
    EXPECT_EQ(fromUtf8("\xed\xa0\x80"), u"\ufffd\ufffd\ufffd");
    const std::string mixed = "a1 Ляво € \U0001F600";
    EXPECT_EQ(toUtf8(fromUtf8(mixed)), mixed);
    EXPECT_EQ(toUtf8(u"\xd800!"), "\xef\xbf\xbd!");
}

} // namespace
