package org.example.qinghejian.sql;

import java.math.BigDecimal;
import java.math.BigInteger;
import java.time.LocalDate;
import java.util.Locale;
import org.example.qinghejian.AmountFormatException;
import org.example.qinghejian.Capitals;
import org.example.qinghejian.Form;

/**
 * What the functions of every engine share: a SQL value as the library takes it, and what a value
 * the library refuses gives: null, or in strict mode the library's error, which says why and where.
 * A query's own fault, such as a form that does not exist or a column of a type that is no amount,
 * fails the query in either mode.
 */
final class SqlValues {
    private SqlValues() {}

    /** The form a query names, "standard", "rmb" or "window" in any case; null is the standard one. */
    static Form form(String name) {
        if (name == null) {
            return Form.STANDARD;
        }
        for (Form form : Form.values()) {
            if (form.name().equalsIgnoreCase(name.trim())) {
                return form;
            }
        }
        throw new IllegalArgumentException("qinghejian has no form '" + name + "'; its forms are "
                + String.join(", ", names()));
    }

    private static String[] names() {
        Form[] forms = Form.values();
        String[] names = new String[forms.length];
        for (int i = 0; i < forms.length; ++i) {
            names[i] = forms[i].name().toLowerCase(Locale.ROOT);
        }
        return names;
    }

    /**
     * An amount in capitals. A DECIMAL of any scale is taken by value, so a column's zeros past 分
     * are the same amount; a string as {@code qinghejian-convert} reads it; a DOUBLE as it prints.
     */
    static String toCapitals(Object amount, Form form, boolean strict) {
        if (amount == null) {
            return null;
        }
        Object figures = figures(amount);
        try {
            return figures instanceof BigDecimal ? Capitals.toCapitals((BigDecimal) figures, form)
                    : figures instanceof Long ? Capitals.toCapitals((long) (Long) figures, form)
                    : Capitals.toCapitals((String) figures, form);
        } catch (AmountFormatException refused) {
            if (strict) {
                throw refused;
            }
            return null;
        }
    }

    /** The amount that capitals say, with two decimals. */
    static BigDecimal fromCapitals(String capitals, boolean strict) {
        if (capitals == null) {
            return null;
        }
        try {
            return Capitals.fromCapitals(capitals);
        } catch (AmountFormatException refused) {
            if (strict) {
                throw refused;
            }
            return null;
        }
    }

    /** The verdict on figures and capitals, as one line. A pair always has one. */
    static String checkPair(Object figures, String capitals) {
        if (figures == null || capitals == null) {
            return null;
        }
        Object read = figures(figures);
        return (read instanceof BigDecimal ? Capitals.checkPair((BigDecimal) read, capitals)
                : Capitals.checkPair(read.toString(), capitals)).toString();
    }

    /** A cheque's date of issue in capitals, from a DATE or a string. */
    static String chequeDate(Object date, boolean strict) {
        if (date == null) {
            return null;
        }
        try {
            if (date instanceof String) {
                return Capitals.chequeDate((String) date);
            }
            if (date instanceof LocalDate) {
                return Capitals.chequeDate((LocalDate) date);
            }
            if (date instanceof java.sql.Date) {
                return Capitals.chequeDate(((java.sql.Date) date).toLocalDate());
            }
        } catch (AmountFormatException refused) {
            if (strict) {
                throw refused;
            }
            return null;
        }
        throw new IllegalArgumentException("qinghejian reads a cheque date from a DATE or a string, not from "
                + date.getClass().getName());
    }

    // The figures of an amount as the library takes them: a string as it is
    // typed, an integer as a Long, any other number exactly as a BigDecimal.
    // A DOUBLE is its shortest text, as a user reads it: 0.1, not
    // 0.1000000000000000055511151231257827; NaN stays text, for the library
    // to refuse as it refuses the typed word.
    private static Object figures(Object amount) {
        if (amount instanceof String || amount instanceof BigDecimal || amount instanceof Long) {
            return amount;
        }
        if (amount instanceof Integer || amount instanceof Short || amount instanceof Byte) {
            return ((Number) amount).longValue();
        }
        if (amount instanceof BigInteger) {
            return new BigDecimal((BigInteger) amount);
        }
        if (amount instanceof Double || amount instanceof Float) {
            double value = ((Number) amount).doubleValue();
            return Double.isNaN(value) || Double.isInfinite(value) ? amount.toString() : new BigDecimal(amount.toString());
        }
        throw new IllegalArgumentException("qinghejian reads an amount from a DECIMAL, an integer, a DOUBLE or a string, not from "
                + amount.getClass().getName());
    }
}
