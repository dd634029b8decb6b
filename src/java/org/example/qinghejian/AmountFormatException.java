package org.example.qinghejian;

/**
 * An amount, capitals or a date that cannot be read, or written without cutting something. The
 * message is the reason as {@code qinghejian-convert} gives it.
 */
public class AmountFormatException extends IllegalArgumentException {
    private static final long serialVersionUID = 1L;

    private final int position;

    /**
     * @param reason the reason, as {@code qinghejian-convert} gives it
     * @param position where the reason points into the text given, 1-based, or -1
     */
    public AmountFormatException(String reason, int position) {
        super(reason);
        this.position = position;
    }

    /** @return where the reason points into the text given, counted in chars from 1, or -1 */
    public int getPosition() {
        return position;
    }
}
