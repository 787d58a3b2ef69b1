#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The page in Chromium, as an app window of its own, heard as a Bulgarian
# pupil hears it (see tests/support/screen_reader.sh): the same measurement
# by keyboard as the window's, with the same sentences, said once each, and
# the result again on a second press.
#   screen_reader_test.sh PAGE.html
source "$(dirname "$0")/../support/screen_reader.sh"
page=$1
# A profile of its own that offers no translation, which would take the first key.
mkdir -p "$work/chromium/Default"
echo '{"translate":{"enabled":false}}' >"$work/chromium/Default/Preferences"
start_hearing /usr/bin/chromium --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --force-renderer-accessibility \
    --user-data-dir="$work/chromium" --window-size=520,420 --app="file://$page"
press_and_listen Tab Down End Tab Tab Home Tab Tab Tab space space \
    shift+Tab shift+Tab shift+Tab shift+Tab Tab Tab space \
    Tab Tab Tab Down space 2 5 7
# Orca says of its own the browser's window and that the page has loaded,
# with the page's title as it is, dash and all.
stop_hearing 'рамка\|Зареждането на'

# What Orca reads as the page first takes the focus depends on when it
# hears of it; from the first key on, it hears all.
in_order spoken 'Ляво' '1, 6 и 9' 'Тежестта 1 е в лявото блюдо.' 'Тежестта 9 е в лявото блюдо.' 'Измервана маса' \
    'Дясно' 'Тежестта 6 е в дясното блюдо.' 'Изчисли' \
    '1 плюс 9 минус 6 е равно на 4.' '1 плюс 9 минус 6 е равно на 4.' 'Измервана маса' \
    '1 плюс 9 минус 6 равно на 4' 'Изчисти' \
    'Везната е изчистена. Можете да поставите тежестите 1, 6 и 9.' \
    'Налични' 'Списък с 9 елемента' 'Режим Избира. Изберете три тежести от списъка Налични.' \
    'Избрахте 2. Изберете още две тежести.' 'Избрахте 5. Изберете още една тежест.' \
    'Избрахте 7. Избрани са 2, 5 и 7. Вече можете да изберете режим Измерва.'
told 1 'Тежестта 1 е в лявото блюдо.' 'Тежестта 9 е в лявото блюдо.' 'Тежестта 6 е в дясното блюдо.' \
    'Везната е изчистена. Можете да поставите тежестите 1, 6 и 9.' 'Изберете още две тежести.' \
    'Изберете още една тежест.' 'Вече можете да изберете режим Измерва.'
told 2 '1 плюс 9 минус 6 е равно на 4.'
heard_sound
echo "ok: in Chromium the pupil heard the pans' weights, each placing, the result"
echo "    twice and the result box in words, and what is still to choose"
