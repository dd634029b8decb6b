package org.example.qinghejian.sql;

import java.math.BigDecimal;
import org.apache.flink.table.annotation.DataTypeHint;
import org.apache.flink.table.functions.ScalarFunction;

/** from_capitals for Flink: the amount capitals say, as DECIMAL(20, 2), or null. */
public class FlinkFromCapitals extends ScalarFunction {
    private static final long serialVersionUID = 1L;

    private final boolean strict;

    public FlinkFromCapitals() {
        this(false);
    }

    protected FlinkFromCapitals(boolean strict) {
        this.strict = strict;
    }

    public @DataTypeHint("DECIMAL(20, 2)") BigDecimal eval(String capitals) {
        return SqlValues.fromCapitals(capitals, strict);
    }
}
