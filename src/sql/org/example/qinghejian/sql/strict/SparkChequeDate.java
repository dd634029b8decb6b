package org.example.qinghejian.sql.strict;

/** {@link org.example.qinghejian.sql.SparkChequeDate}, failing the query on a value it refuses, with the reason and where. */
// Spark registers a class by the UDF interface it names itself, so it names it again.
public final class SparkChequeDate extends org.example.qinghejian.sql.SparkChequeDate implements org.apache.spark.sql.api.java.UDF1<Object, String> {
    private static final long serialVersionUID = 1L;

    public SparkChequeDate() {
        super(true);
    }
}
