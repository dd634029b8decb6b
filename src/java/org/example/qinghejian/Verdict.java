package org.example.qinghejian;

import java.util.Arrays;
import java.util.Collections;
import java.util.List;

/**
 * What {@link Capitals#checkPair(String, String)} found. Immutable.
 */
public final class Verdict {
    private final String line;
    private final boolean agrees;
    private final List<String> findings;

    Verdict(String line, boolean agrees, String[] findings) {
        this.line = line;
        this.agrees = agrees;
        this.findings = Collections.unmodifiableList(Arrays.asList(findings));
    }

    /** @return whether figures and capitals say the same amount with the same sign */
    public boolean agrees() {
        return agrees;
    }

    /** @return the payment rules the capitals break, one line each, in the verdict line's order */
    public List<String> findings() {
        return findings;
    }

    /** @return whether the two agree and the capitals break no rule */
    public boolean passes() {
        return agrees && findings.isEmpty();
    }

    /** @return the verdict line exactly as {@code qinghejian-convert --check} prints it */
    @Override
    public String toString() {
        return line;
    }

    @Override
    public boolean equals(Object other) {
        return other instanceof Verdict && ((Verdict) other).line.equals(line);
    }

    @Override
    public int hashCode() {
        return line.hashCode();
    }
}
