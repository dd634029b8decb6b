package org.example.qinghejian.sql;

import org.apache.spark.sql.api.java.UDF1;
import org.example.qinghejian.Form;

/**
 * to_capitals for Spark: {@code spark.udf().register("to_capitals", new SparkToCapitals(),
 * DataTypes.StringType)}, or from PySpark, {@code spark.udf.registerJavaFunction("to_capitals",
 * "org.example.qinghejian.sql.SparkToCapitals")}. It takes a DECIMAL of any precision and scale as it
 * is, with no cast that could overflow, strings and integers; a value it cannot write whole gives
 * null.
 */
public class SparkToCapitals implements UDF1<Object, String> {
    private static final long serialVersionUID = 1L;

    private final boolean strict;

    public SparkToCapitals() {
        this(false);
    }

    protected SparkToCapitals(boolean strict) {
        this.strict = strict;
    }

    @Override
    public String call(Object amount) {
        return SqlValues.toCapitals(amount, Form.STANDARD, strict);
    }
}
