;; InitSection
    (action_tile "r1" "(OnOne)")
;; SetSection
    (if which (set_tile "r1" (rtos which 2 0)))
;; GetSection
    (setq which (atof (get_tile "r1" )))
;; FunctionSection
(defun OnOne()  ;Start of OnOne()
);End of OnOne()
