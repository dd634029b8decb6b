package org.example.qinghejian.sql.strict;

/** {@link org.example.qinghejian.sql.HiveChequeDate}, failing the query on a value it refuses, with the reason and where. */
public final class HiveChequeDate extends org.example.qinghejian.sql.HiveChequeDate {
    private static final long serialVersionUID = 1L;

    public HiveChequeDate() {
        super(true);
    }
}
