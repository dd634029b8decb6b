package org.example.qinghejian.sql;

import org.apache.flink.table.annotation.DataTypeHint;
import org.apache.flink.table.annotation.InputGroup;
import org.apache.flink.table.functions.ScalarFunction;

/** check_pair for Flink: the verdict on figures against capitals, as one line. */
public class FlinkCheckPair extends ScalarFunction {
    private static final long serialVersionUID = 1L;

    public String eval(@DataTypeHint(inputGroup = InputGroup.ANY) Object figures, String capitals) {
        return SqlValues.checkPair(figures, capitals);
    }
}
