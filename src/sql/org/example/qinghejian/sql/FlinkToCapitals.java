package org.example.qinghejian.sql;

import org.apache.flink.table.annotation.DataTypeHint;
import org.apache.flink.table.annotation.InputGroup;
import org.apache.flink.table.functions.ScalarFunction;

/**
 * to_capitals for Flink: {@code CREATE FUNCTION to_capitals AS
 * 'org.example.qinghejian.sql.FlinkToCapitals' USING JAR '…'}. The amount is taken in its own type, a
 * DECIMAL of any precision and scale with no cast to overflow, an integer or a string; the form, where
 * given, is 'standard', 'rmb' or 'window'.
 */
public class FlinkToCapitals extends ScalarFunction {
    private static final long serialVersionUID = 1L;

    private final boolean strict;

    public FlinkToCapitals() {
        this(false);
    }

    protected FlinkToCapitals(boolean strict) {
        this.strict = strict;
    }

    public String eval(@DataTypeHint(inputGroup = InputGroup.ANY) Object amount) {
        return SqlValues.toCapitals(amount, SqlValues.form(null), strict);
    }

    public String eval(@DataTypeHint(inputGroup = InputGroup.ANY) Object amount, String form) {
        return SqlValues.toCapitals(amount, SqlValues.form(form), strict);
    }
}
