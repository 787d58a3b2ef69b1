#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The page in Chromium, as an app window of its own, heard as a Bulgarian
# pupil hears it (see tests/support/screen_reader.sh): the same measurement
# by keyboard as the window's, with the same sentences, said once each, the
# result again on a second press, the whole state and the help; and from
# load to close no mark of the page's read aloud.
#   screen_reader_test.sh PAGE.html
source "$(dirname "$0")/../support/screen_reader.sh"
page=$1
# A profile of its own that offers no translation, which would take the first key.
mkdir -p "$work/chromium/Default"
echo '{"translate":{"enabled":false}}' >"$work/chromium/Default/Preferences"
start_hearing /usr/bin/chromium --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --force-renderer-accessibility \
    --user-data-dir="$work/chromium" --window-size=520,420 --app="file://$page"
# The page loaded, and how to get help said, before the first key; then the
# first Tab into the left pan from wherever the browser put the focus.
await_phrase 'Натиснете F1 за помощ.'
press_and_listen F2
press_until 'Ляво' Tab
press_and_listen Down End Tab Tab Home Tab Tab Tab space space F2 F1
# The help is read whole before the key that closes it.
await_phrase 'Tab и Shift Tab преминават'
press_and_listen Escape shift+Tab shift+Tab shift+Tab shift+Tab Tab Tab space \
    Tab Tab Tab Down space 2 5 F2 7
stop_hearing

# What Orca reads as the page first takes the focus depends on when it
# hears of it; from the first key on, it hears all.
in_order spoken 'Натиснете F1 за помощ.' 'Блюдата са празни. Можете да поставите тежестите 1, 6 и 9.' \
    'Ляво' '1, 6 и 9' 'Тежестта 1 е в лявото блюдо.' 'Тежестта 9 е в лявото блюдо.' 'Измервана маса' \
    'Дясно' 'Тежестта 6 е в дясното блюдо.' 'Изчисли' \
    '1 плюс 9 минус 6 е равно на 4.' '1 плюс 9 минус 6 е равно на 4.' \
    'В лявото блюдо са 1 и 9, в дясното е 6. Няма тежести за поставяне. 1 плюс 9 минус 6 е равно на 4.' \
    'Помощ' 'Tab и Shift Tab преминават към следващата или към предишната контрола.' \
    'Изчисли' 'Измервана маса' \
    '1 плюс 9 минус 6 равно на 4' 'Изчисти' \
    'Везната е изчистена. Можете да поставите тежестите 1, 6 и 9.' \
    'Налични' 'Списък с 9 елемента' 'Режим Избира. Изберете три тежести от списъка Налични.' \
    'Избрахте 2. Изберете още две тежести.' 'Избрахте 5. Изберете още една тежест.' \
    'Избирате тежести. Избрани са тежестите 2 и 5. Изберете още една тежест.' \
    'Избрахте 7. Избрани са 2, 5 и 7. Вече можете да изберете режим Измерва.'
told 1 'Тежестта 1 е в лявото блюдо.' 'Тежестта 9 е в лявото блюдо.' 'Тежестта 6 е в дясното блюдо.' \
    'Везната е изчистена. Можете да поставите тежестите 1, 6 и 9.' 'Избрахте 2. Изберете още две тежести.' \
    'Избрахте 5. Изберете още една тежест.' \
    'Избрахте 7. Избрани са 2, 5 и 7. Вече можете да изберете режим Измерва.' \
    'Блюдата са празни. Можете да поставите тежестите 1, 6 и 9.' \
    'В лявото блюдо са 1 и 9, в дясното е 6. Няма тежести за поставяне. 1 плюс 9 минус 6 е равно на 4.' \
    'Избирате тежести. Избрани са тежестите 2 и 5. Изберете още една тежест.' 'Натиснете F1 за помощ.'
told 2 '1 плюс 9 минус 6 е равно на 4.'
heard_sound
echo "ok: in Chromium the pupil heard how to get help, the pans' weights, each placing, the result twice"
echo "    and the result box in words, the whole state on F2, the help on F1, and what is still to choose"
