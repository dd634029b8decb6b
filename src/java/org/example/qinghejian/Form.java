package org.example.qinghejian;

/** How {@link Capitals#toCapitals(String, Form)} writes an amount. */
public enum Form {
    /** The payment rules' form, as cheques and invoices write it: 壹仟肆佰零玖元伍角整. */
    STANDARD,
    /** The same after 人民币: 人民币壹仟肆佰零玖元伍角整. */
    RMB,
    /** The 青禾笺 window's literal form, every place with its unit: 壹仟肆佰零拾玖圆伍角零分整. */
    WINDOW;

    /** The form's name in the native core: its own name in lower case. */
    final String key = name().toLowerCase(java.util.Locale.ROOT);
}
