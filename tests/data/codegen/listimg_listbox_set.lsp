;; InitSection
    (action_tile "layers" "(OnLayer)")
;; SetSection
    (if layer_var (set_tile "layers" (rtos layer_var 2 0)))
;; GetSection
    (setq layer_var (atof (get_tile "layers" )))
;; FunctionSection
(defun OnLayer()  ;Start of OnLayer()
);End of OnLayer()
