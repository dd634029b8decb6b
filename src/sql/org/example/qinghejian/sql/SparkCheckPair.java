package org.example.qinghejian.sql;

import org.apache.spark.sql.api.java.UDF2;

/** check_pair for Spark: the verdict on figures, a DECIMAL or a string, against capitals, as one line. */
public class SparkCheckPair implements UDF2<Object, String, String> {
    private static final long serialVersionUID = 1L;

    @Override
    public String call(Object figures, String capitals) {
        return SqlValues.checkPair(figures, capitals);
    }
}
