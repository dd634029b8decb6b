package org.example.qinghejian.sql.strict;

/** {@link org.example.qinghejian.sql.HiveToCapitals}, failing the query on a value it refuses, with the reason and where. */
public final class HiveToCapitals extends org.example.qinghejian.sql.HiveToCapitals {
    private static final long serialVersionUID = 1L;

    public HiveToCapitals() {
        super(true);
    }
}
