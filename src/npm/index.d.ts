/** How toCapitals writes the amount. */
export interface ToCapitalsOptions {
    /**
     * 'standard' (the default): the form the payment rules ask for, 壹仟肆佰零玖元伍角整;
     * 'rmb': the same after 人民币;
     * 'window': 青禾笺's window form, digit by digit, 壹仟肆佰零拾玖圆伍角零分整.
     */
    form?: 'standard' | 'rmb' | 'window';
}

/** An error about a text: the position of the character at fault, where there is one. */
export interface QinghejianRangeError extends RangeError {
    /** 1-based, in UTF-16 code units; one past the end when something is missing. */
    position?: number;
}

/**
 * Writes an amount in Chinese capital numerals. Throws a RangeError with the
 * reason when the figures cannot be read, and when decimals after 分 would
 * have to be dropped; a TypeError for a wrong type, or an unknown option.
 */
export function toCapitals(figures: string | number | bigint, options?: ToCapitalsOptions): string;

/** Reads capitals back into figures with two decimals: '1409.50'. Throws a RangeError with the position and reason. */
export function fromCapitals(capitals: string): string;

/** The verdict on figures and capitals, as `qinghejian-convert --check` prints it: '一致', '不一致；…' or '无法识别；…'. */
export function checkPair(figures: string | number | bigint, capitals: string): string;

/** A cheque's date in capitals: '2026-10-20' (or 2026/10/20, 2026年10月20日, 20261020) or a Date, in local time. */
export function chequeDate(date: string | Date): string;

/** Resolves once the functions can be called: at once in Node.js, after the WebAssembly has compiled in a browser. */
export const ready: Promise<void>;
