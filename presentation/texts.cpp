// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "texts.h"

std::u16string HelpRow::line() const {
    return std::u16string(keys) + u" — " + std::u16string(action);
}

std::span<const HelpRow> helpRows() {
    // The sentences have no mark that a synthesizer reads aloud: "Shift+Tab"
    // would be "Shift плюс Tab".
    static constexpr HelpRow rows[] = {
        {u"Tab, Shift+Tab", u"преминават към следващата или към предишната контрола",
         u"Tab и Shift Tab преминават към следващата или към предишната контрола."},
        {u"Стрелки, Home, End, Page Up, Page Down",
         u"в блюдо поставят тежестта, до която стигат; в Налични я избират",
         u"Стрелките, Home, End, Page Up и Page Down в блюдо поставят тежестта, до която стигат, "
         u"а в списъка Налични я избират."},
        {u"Цифра", u"в блюдо поставя тежестта с тази цифра; в Налични я избира",
         u"Цифра в блюдо поставя тежестта с тази цифра, а в списъка Налични я избира."},
        {u"Интервал", u"натиска бутона или избира режима, на който е фокусът",
         u"Интервал натиска бутона или избира режима, на който е фокусът."},
        {u"Enter", u"натиска бутона, на който е фокусът",
         u"Enter натиска бутона, на който е фокусът."},
        {u"Стрелки в Режим", u"преминават към другия режим и го избират, щом вече има избран",
         u"Стрелките в рамката Режим преминават към другия режим и го избират, щом вече има избран "
         u"режим."},
        {u"F2", u"казва цялото състояние на упражнението",
         u"F2 казва цялото състояние на упражнението."},
        {u"F1", u"отваря тази помощ", u"F1 отваря тази помощ."},
        {u"Escape", u"затваря помощта", u"Escape затваря помощта."},
    };
    return rows;
}

std::u16string failureReport(std::string_view what) {
    std::u16string report(failureLead);
    report += u"\n\n";
    report += fromUtf8(what);
    return report;
}

std::u16string fromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80       ? 1
                           : lead >> 5 == 6  ? 2
                           : lead >> 4 == 14 ? 3
                           : lead >> 3 == 30 ? 4
                                             : 0;
        char32_t code = length == 1 ? lead : lead & (0x7f >> length);
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = next >> 6 == 2;
            code = code << 6 | (next & 0x3f);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not characters.
        constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        valid =
            valid && code >= least[length] && code <= 0x10ffff && (code < 0xd800 || code > 0xdfff);
        if (!valid) {
            out += u'\ufffd';
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            out += static_cast<char16_t>(0xd800 + ((code - 0x10000) >> 10));
            // Taking 0x10000 away leaves the low ten bits as they are.
            out += static_cast<char16_t>(0xdc00 + (code & 0x3ff));
        } else {
            out += static_cast<char16_t>(code);
        }
        i += length;
    }
    return out;
}

std::string toUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        const bool pair = code >= 0xd800 && code < 0xdc00 && i + 1 < text.size() &&
                          text[i + 1] >= 0xdc00 && text[i + 1] < 0xe000;
        if (pair)
            code = 0x10000 + ((code - 0xd800) << 10) + (text[++i] - 0xdc00);
        else if (code >= 0xd800 && code < 0xe000)
            code = 0xfffd; // a lone surrogate is no character
        if (code < 0x80) {
            out += static_cast<char>(code);
            continue;
        }
        const int length = code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
        out += static_cast<char>((0xf00 >> length) | (code >> (6 * (length - 1))));
        for (int k = length - 2; k >= 0; --k)
            out += static_cast<char>(0x80 | ((code >> (6 * k)) & 0x3f));
    }
    return out;
}
