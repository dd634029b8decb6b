package org.example.qinghejian.sql.strict;

/** {@link org.example.qinghejian.sql.FlinkFromCapitals}, failing the query on a value it refuses, with the reason and where. */
public final class FlinkFromCapitals extends org.example.qinghejian.sql.FlinkFromCapitals {
    private static final long serialVersionUID = 1L;

    public FlinkFromCapitals() {
        super(true);
    }
}
