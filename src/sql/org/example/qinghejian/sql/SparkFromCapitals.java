package org.example.qinghejian.sql;

import java.math.BigDecimal;
import org.apache.spark.sql.api.java.UDF1;

/**
 * from_capitals for Spark: the amount capitals say, or null where they cannot be read. Register it
 * with {@code DataTypes.createDecimalType(20, 2)}; left to Spark, a BigDecimal is DECIMAL(38,18).
 */
public class SparkFromCapitals implements UDF1<String, BigDecimal> {
    private static final long serialVersionUID = 1L;

    private final boolean strict;

    public SparkFromCapitals() {
        this(false);
    }

    protected SparkFromCapitals(boolean strict) {
        this.strict = strict;
    }

    @Override
    public BigDecimal call(String capitals) {
        return SqlValues.fromCapitals(capitals, strict);
    }
}
