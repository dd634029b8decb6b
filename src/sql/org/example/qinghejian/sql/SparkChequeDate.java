package org.example.qinghejian.sql;

import org.apache.spark.sql.api.java.UDF1;

/** cheque_date for Spark: a DATE or a string as a cheque's date of issue in capitals, or null. */
public class SparkChequeDate implements UDF1<Object, String> {
    private static final long serialVersionUID = 1L;

    private final boolean strict;

    public SparkChequeDate() {
        this(false);
    }

    protected SparkChequeDate(boolean strict) {
        this.strict = strict;
    }

    @Override
    public String call(Object date) {
        return SqlValues.chequeDate(date, strict);
    }
}
