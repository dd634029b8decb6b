package org.example.qinghejian.sql.strict;

/** {@link org.example.qinghejian.sql.HiveFromCapitals}, failing the query on a value it refuses, with the reason and where. */
public final class HiveFromCapitals extends org.example.qinghejian.sql.HiveFromCapitals {
    private static final long serialVersionUID = 1L;

    public HiveFromCapitals() {
        super(true);
    }
}
