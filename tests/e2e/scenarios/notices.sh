# The notices, found by their titles and answered with Enter, in the order
# the conversion shows them, for every case of the window's table
# (tests/support/window_cases.tsv); the help menu's notices; and the window
# going on working after each.
start_program || give_up "Form1 opens"

# Every case of the window's table: its notices answered by their titles,
# in order, and none after them; then its result, or nothing, copied. A
# failure after a result must leave no result standing.
source "$QHJ_SOURCE_DIR/tests/support/tsv.sh"
tsv_rows "$QHJ_SOURCE_DIR/tests/support/window_cases.tsv"
rows=0
for row in "${TSV_ROWS[@]}"; do
    tsv_fields "$row" name input result notices reach
    [ -n "$reach" ] && continue
    rows=$((rows + 1))
    # A result to leave standing, so that a failure has one to clear.
    if [ -z "$result" ]; then
        set_text1 1
        click Command1
    fi
    set_text1 "$input"
    click Command1
    if [ -n "$notices" ]; then
        IFS='|' read -r -a boxes <<<"$notices"
        for box in "${boxes[@]}"; do
            title=${box#!}
            title=${title%%:*}
            if [ -z "${shot:-}" ]; then
                sleep 0.5
                screenshot failure-notice root
                shot=1
            fi
            check "$name ($input): the notice titled $title" answer_notice "$title"
        done
    fi
    check "$name ($input): no further notice" no_notice_within 1
    click Command2
    check "$name ($input) → [$result]" expect_clipboard "$result"
done
check "the table of window cases holds cases ($rows)" test "$rows" -gt 0

choose_menu note
check "使用说明 shows the usage note, titled 青禾笺" answer_notice "青禾笺"
note_size="${NOTICE_W}x${NOTICE_H}"
choose_menu copyr
check "软件作者 shows the author notice, titled 青禾笺" answer_notice "青禾笺"
check "the usage note ($note_size) is wider than the author notice (${NOTICE_W}x${NOTICE_H})" \
    test "${note_size%x*}" -gt "$NOTICE_W"
check "the program runs on after the notices" program_running
set_text1 ".5"
click Command1
click Command2
check "and converts: .5 → 伍角整" expect_clipboard "伍角整"
