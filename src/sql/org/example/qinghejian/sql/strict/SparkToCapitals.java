package org.example.qinghejian.sql.strict;

/** {@link org.example.qinghejian.sql.SparkToCapitals}, failing the query on a value it refuses, with the reason and where. */
// Spark registers a class by the UDF interface it names itself, so it names it again.
public final class SparkToCapitals extends org.example.qinghejian.sql.SparkToCapitals implements org.apache.spark.sql.api.java.UDF1<Object, String> {
    private static final long serialVersionUID = 1L;

    public SparkToCapitals() {
        super(true);
    }
}
