package org.example.qinghejian.sql;

import org.apache.flink.table.annotation.DataTypeHint;
import org.apache.flink.table.annotation.InputGroup;
import org.apache.flink.table.functions.ScalarFunction;

/** cheque_date for Flink: a DATE or a string as a cheque's date of issue in capitals, or null. */
public class FlinkChequeDate extends ScalarFunction {
    private static final long serialVersionUID = 1L;

    private final boolean strict;

    public FlinkChequeDate() {
        this(false);
    }

    protected FlinkChequeDate(boolean strict) {
        this.strict = strict;
    }

    public String eval(@DataTypeHint(inputGroup = InputGroup.ANY) Object date) {
        return SqlValues.chequeDate(date, strict);
    }
}
