package org.example.qinghejian.sql.strict;

/** {@link org.example.qinghejian.sql.FlinkChequeDate}, failing the query on a value it refuses, with the reason and where. */
public final class FlinkChequeDate extends org.example.qinghejian.sql.FlinkChequeDate {
    private static final long serialVersionUID = 1L;

    public FlinkChequeDate() {
        super(true);
    }
}
