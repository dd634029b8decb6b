# The shell's reader of the tables of cases in tests/support/*.tsv, as
# tsv.h is C++'s. Sourced.
#
#   tsv_rows FILE            the rows into the array TSV_ROWS, read whole
#                            first so that what a loop runs cannot eat them;
#                            comments and empty lines left out
#   tsv_fields ROW NAME...   the row's fields into the variables NAME...,
#                            empty fields kept

tsv_rows() {
    local line
    TSV_ROWS=()
    while IFS= read -r line || [ -n "$line" ]; do
        [[ -z "$line" || "$line" == \#* ]] && continue
        TSV_ROWS+=("$line")
    done <"$1"
}

tsv_fields() {
    local row=$1
    shift
    # Tabs as a separator that is not a blank, so that empty fields count.
    IFS=$'\x1f' read -r "$@" <<<"${row//$'\t'/$'\x1f'}"
}
