package org.example.qinghejian.sql.strict;

/** {@link org.example.qinghejian.sql.FlinkToCapitals}, failing the query on a value it refuses, with the reason and where. */
public final class FlinkToCapitals extends org.example.qinghejian.sql.FlinkToCapitals {
    private static final long serialVersionUID = 1L;

    public FlinkToCapitals() {
        super(true);
    }
}
