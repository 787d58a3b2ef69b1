#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A whole measurement by keyboard, heard as a Bulgarian pupil hears it (see
# tests/support/screen_reader.sh). Checks what Orca said (its debug
# transcript), what espeak-ng was asked to say (the speech server's module
# log), the braille lines and that sound reached the speakers.
#   screen_reader_test.sh PROGRAM
source "$(dirname "$0")/../support/screen_reader.sh"
program=$1
start_hearing env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program"
# The whole state at start; left pan: 1 and 9; the empty result box; right
# pan: 6; "Изчисли", twice; the whole state again, and the help, opened and
# closed; back to the result box; "Изчисти"; then "Избира" and the values 2,
# 5 and 7, with the whole state after 5.
press_and_listen F2 Tab Down End Tab Tab Home Tab Tab Tab space space F2 F1
# The help is read whole before the next key; where Orca 48 leaves its rows
# out, this says so rather than what a cut-off reading would give.
await_phrase 'Tab и Shift Tab преминават'
press_and_listen Down Escape shift+Tab shift+Tab shift+Tab shift+Tab Tab Tab space \
    Tab Tab Tab Down space 2 5 F2 7
stop_hearing

in_order spoken 'Философия, Логика, везна и тежести' 'Натиснете F1 за помощ.' \
    'Блюдата са празни. Можете да поставите тежестите 1, 6 и 9.' 'Ляво' '1, 6 и 9' \
    'Тежестта 1 е в лявото блюдо.' 'Тежестта 9 е в лявото блюдо.' 'Измервана маса' \
    'Дясно' 'Тежестта 6 е в дясното блюдо.' 'Изчисли' \
    '1 плюс 9 минус 6 е равно на 4.' '1 плюс 9 минус 6 е равно на 4.' \
    'В лявото блюдо са 1 и 9, в дясното е 6. Няма тежести за поставяне. 1 плюс 9 минус 6 е равно на 4.' \
    'Помощ' 'Tab и Shift Tab преминават към следващата или към предишната контрола.' \
    'Стрелките, Home, End, Page Up и Page Down в блюдо поставят тежестта, до която стигат, а в списъка Налични я избират.' \
    'Изчисли' 'Дясно' 'Измервана маса' \
    '1 плюс 9 минус 6 равно на 4' 'Изчисти' \
    'Везната е изчистена. Можете да поставите тежестите 1, 6 и 9.' \
    'Налични' 'Списък с 9 елемента' 'Режим Избира. Изберете три тежести от списъка Налични.' \
    'Избрахте 2. Изберете още две тежести.' 'Избрахте 5. Изберете още една тежест.' \
    'Избирате тежести. Избрани са тежестите 2 и 5. Изберете още една тежест.' \
    'Избрахте 7. Избрани са 2, 5 и 7. Вече можете да изберете режим Измерва.'
in_order synthesized 'Ляво' 'Тежестта 1 е в лявото блюдо' 'Тежестта 9 е в лявото блюдо' \
    'Дясно' 'Тежестта 6 е в дясното блюдо' '1 плюс 9 минус 6 е равно на 4' \
    'Измервана маса' '1 плюс 9 минус 6 равно на 4' \
    'Везната е изчистена. Можете да поставите тежестите 1, 6 и 9' \
    'Режим Избира. Изберете три тежести от списъка Налични' 'Изберете още две тежести' \
    'Изберете още една тежест' 'Избрани са тежестите 2 и 5' 'Вече можете да изберете режим Измерва'
# The notices reach a braille display too (Orca logs its lines without one).
in_order braille 'Тежестта 1 е в лявото блюдо.' 'Тежестта 6 е в дясното блюдо.' \
    '1 плюс 9 минус 6 е равно на 4.' 'Измервана маса 1 плюс 9 минус 6 равно на 4' \
    'Везната е изчистена. Можете да поставите тежестите 1, 6 и 9.' 'Изберете още две тежести.'
# Each consequence is told once, and the result once for each press.
told 1 'Тежестта 1 е в лявото блюдо.' 'Тежестта 9 е в лявото блюдо.' 'Тежестта 6 е в дясното блюдо.' \
    'Везната е изчистена. Можете да поставите тежестите 1, 6 и 9.' 'Избрахте 2. Изберете още две тежести.' \
    'Избрахте 5. Изберете още една тежест.' \
    'Избрахте 7. Избрани са 2, 5 и 7. Вече можете да изберете режим Измерва.' \
    'Блюдата са празни. Можете да поставите тежестите 1, 6 и 9.' \
    'В лявото блюдо са 1 и 9, в дясното е 6. Няма тежести за поставяне. 1 плюс 9 минус 6 е равно на 4.' \
    'Избирате тежести. Избрани са тежестите 2 и 5. Изберете още една тежест.'
told 2 '1 плюс 9 минус 6 е равно на 4.'
# How to get help is said with the window, not with each of its controls.
said_with_the_window 'Натиснете F1 за помощ.'
# The result box on its last visit: its text once, whole, and nothing selected.
last_visit=$(sed -n '/^Изчисли/,$p' "$work/spoken" | sed -n '/Измервана маса/,/Изчисти/p')
[ "$(grep -c '1 плюс 9 минус 6 равно на 4' <<<"$last_visit")" -eq 1 ] ||
    fail "the result box was not read once and whole: $last_visit"
grep -q 'избран' <<<"$last_visit" && fail "the result box was read as selected: $last_visit"
heard_sound
echo "ok: the pupil heard the title and how to get help, the pan's weights, each placing, the result (again on"
echo "    a second press) and the result box in words, the whole state on F2, the help on F1, and what is"
echo "    still to choose; the notices reached braille"
