package org.example.qinghejian.sql.strict;

/** {@link org.example.qinghejian.sql.SparkFromCapitals}, failing the query on a value it refuses, with the reason and where. */
// Spark registers a class by the UDF interface it names itself, so it names it again.
public final class SparkFromCapitals extends org.example.qinghejian.sql.SparkFromCapitals implements org.apache.spark.sql.api.java.UDF1<String, java.math.BigDecimal> {
    private static final long serialVersionUID = 1L;

    public SparkFromCapitals() {
        super(true);
    }
}
